#include "include_order.c"
