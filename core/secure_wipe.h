// Overwriting secrets before their memory is let go: the wallet's password, typed text and items.
// The writes go through volatile pointers so that the compiler cannot drop them as dead stores.
#pragma once

#include <cstddef>
#include <string>

#include "platform/types.h"

// Zeroes the whole buffer of the text (its capacity, where an older, longer value may still lie)
// and leaves it empty.
void WipeText(std::u16string& text);
void WipeBytes(void* bytes, std::size_t count);
