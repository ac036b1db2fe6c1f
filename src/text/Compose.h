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

// What the members that build new contents may do to a Text beyond its
// interface.
struct TextAccess {
    // Hands an owned array, terminated at `length`, to a new Text without
    // copying or measuring it: the result owns the array, has size length + 1
    // and the default flags.
    static Text Owning(char* array, int length) {
        Text owner;
        owner.buffer = array;
        owner.length = length;
        owner.size = length + 1;
        return owner;
    }
};

} // namespace VorelText::detail

#endif
