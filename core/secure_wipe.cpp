// Overwriting secrets before their memory is let go.
#include "core/secure_wipe.h"

void WipeBytes(void* bytes, std::size_t count) {
    volatile BYTE* p = static_cast<volatile BYTE*>(bytes);
    for (std::size_t i = 0; i < count; ++i) p[i] = 0;
}

void WipeText(std::u16string& text) {
    text.resize(text.capacity());
    WipeBytes(text.data(), text.size() * sizeof(char16_t));
    text.clear();
}
