// Fonts as FreeType renders them: a face found through fontconfig for a LOGFONT, sized in pixels,
// with its metrics and a cache of rendered glyphs. Measuring and drawing both take their advances
// from here, so a measured width is the width drawn.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/gdi.h"

namespace platform::gdi {

struct Glyph {
    int advance = 0;  // whole pixels
    int left = 0;     // from the pen position to the first column of the bitmap
    int top = 0;      // from the baseline up to the first row of the bitmap
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> coverage;  // width x height, 0-255
};

struct FontFace {
    // Pixel metrics.
    int ascent = 0;
    int descent = 0;
    int emPixels = 0;
    int averageWidth = 0;
    int maxWidth = 0;
    int underlineOffset = 0;  // below the baseline
    int lineThickness = 1;
    int strikeOffset = 0;     // above the baseline
    LOGFONTW font{};          // as asked
    std::string family;       // as found

    int Height() const { return ascent + descent; }
    // The glyph of a character (rendered on first use).
    const Glyph& GlyphOf(char32_t c) const;
    int Advance(char32_t c) const { return GlyphOf(c).advance; }

    struct Impl;
    std::shared_ptr<Impl> impl;
};

// The face for a LOGFONT; null only when no font at all is installed.
std::shared_ptr<FontFace> OpenFace(const LOGFONTW& font);

// UTF-16 text as characters, each with the index of its first unit.
struct TextChar {
    char32_t c;
    int unit;
};
std::vector<TextChar> DecodeText(const WCHAR* text, int count);

}  // namespace platform::gdi
