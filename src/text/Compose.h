// Helpers shared by the Text members that build new contents: arrays of an
// exact size and the hand-over of such an array to a returned Text.
#ifndef VORELTEXT_SRC_TEXT_COMPOSE_H
#define VORELTEXT_SRC_TEXT_COMPOSE_H

#include "VorelText.h"

namespace VorelText::detail {

// A fresh owned buffer of `size` bytes holding head[0..headLength), then
// tail[0..tailLength), then a NUL. Either part may lie inside a buffer that
// the caller is about to release: both are read before this returns.
char* JoinedBuffer(int size, const char* head, int headLength, const char* tail, int tailLength);

// Stores tail[0..tailLength) and a NUL at dst; the ranges may overlap.
void PutTail(char* dst, const char* tail, int tailLength);

// Hands an owned, terminated array to a new Text without copying it: the
// result owns the array, has size strlen + 1 and the default flags.
Text HandOver(char* array);

} // namespace VorelText::detail

#endif
