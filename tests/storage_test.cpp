// Text object and storage: sizes, ownership states and the take-over protocol.
#include "VorelText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using VorelText::Text;

TEST(Storage, DefaultHasNoBuffer) {
    Text t;
    EXPECT_EQ(t.LengthGet(), 0);
    EXPECT_EQ(t.SizeGet(), 0);
    EXPECT_TRUE(t.IsEmpty());
    EXPECT_EQ(static_cast<char*>(t), nullptr);
}
