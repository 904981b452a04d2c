// Finding faces through fontconfig and rendering glyphs with FreeType. "Tahoma", the program's one
// face, resolves to DejaVu Sans Condensed, the closest installed face in width, else to any
// sans-serif. Bold and italic use the real faces where they exist, else FreeType's emboldening and
// a shear. FreeType calls are serialised by one lock.
#include "gdi/font_face.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <mutex>
#include <tuple>

#include "platform/text.h"

namespace platform::gdi {
namespace {

constexpr int kDefaultHeight = -12;
constexpr int kMinPixels = 1;
constexpr int kMaxPixels = 2048;
constexpr double kItalicShear = 0.2;
constexpr char kTahoma[] = "tahoma";
constexpr char kTahomaStandIn[] = "DejaVu Sans Condensed";
constexpr char kAnySans[] = "sans-serif";

// What of a LOGFONT decides the face it gets: the family (lower case), bold, italic, monochrome and
// the height.
using Request = std::tuple<std::string, bool, bool, bool, LONG>;

struct Library {
    std::mutex lock;
    FT_Library ft = nullptr;
    std::map<std::tuple<std::string, int, int, bool, bool, bool>, std::shared_ptr<FontFace>> faces;
    // Fonts are made on every paint: a request seen before skips the fontconfig lookup and the file open.
    std::map<Request, std::shared_ptr<FontFace>> requests;
};

Library& Lib() {
    static Library lib;
    return lib;
}

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

struct Found {
    std::string file;
    int index = 0;
    int weight = FC_WEIGHT_REGULAR;
    int slant = FC_SLANT_ROMAN;
    std::string family;
};

// One fontconfig set-up for the process, kept for its whole life.
FcConfig* Config() {
    static FcConfig* const config = FcInitLoadConfigAndFonts();
    return config;
}

bool FindFile(const LOGFONTW& lf, Found& out) {
    std::u16string face(lf.lfFaceName, std::find(lf.lfFaceName, lf.lfFaceName + LF_FACESIZE, u'\0'));
    std::string family = ToUtf8(face);
    if (family.empty() || Lower(family) == kTahoma) family = kTahomaStandIn;
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(kAnySans));
    FcPatternAddInteger(pattern, FC_WEIGHT, lf.lfWeight >= FW_SEMIBOLD ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, lf.lfItalic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(Config(), pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(Config(), pattern, &result);
    FcPatternDestroy(pattern);
    if (!match) return false;
    FcChar8* file = nullptr;
    const bool ok = FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file;
    if (ok) {
        out.file = reinterpret_cast<const char*>(file);
        FcPatternGetInteger(match, FC_INDEX, 0, &out.index);
        FcPatternGetInteger(match, FC_WEIGHT, 0, &out.weight);
        FcPatternGetInteger(match, FC_SLANT, 0, &out.slant);
        FcChar8* name = nullptr;
        if (FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch && name)
            out.family = reinterpret_cast<const char*>(name);
    }
    FcPatternDestroy(match);
    return ok;
}

int RoundUnits(long units, double scale) { return static_cast<int>(std::lround(units * scale)); }

}  // namespace

struct FontFace::Impl {
    FT_Face face = nullptr;
    bool emboldenGlyphs = false;
    bool shearGlyphs = false;
    bool monochrome = false;
    mutable std::unordered_map<char32_t, Glyph> glyphs;

    ~Impl() {
        if (face) FT_Done_Face(face);
    }
};

const Glyph& FontFace::GlyphOf(char32_t c) const {
    Library& lib = Lib();
    const std::lock_guard guard(lib.lock);
    auto& cache = impl->glyphs;
    if (const auto it = cache.find(c); it != cache.end()) return it->second;
    Glyph& g = cache[c];
    FT_Face face = impl->face;
    if (impl->shearGlyphs) {
        FT_Matrix shear{0x10000, static_cast<FT_Fixed>(kItalicShear * 0x10000), 0, 0x10000};
        FT_Set_Transform(face, &shear, nullptr);
    } else {
        FT_Set_Transform(face, nullptr, nullptr);
    }
    const FT_Int32 target = impl->monochrome ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL;
    if (FT_Load_Char(face, c, FT_LOAD_DEFAULT | target) != 0) return g;
    if (impl->emboldenGlyphs) FT_GlyphSlot_Embolden(face->glyph);
    if (FT_Render_Glyph(face->glyph, impl->monochrome ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL) != 0) return g;
    const FT_GlyphSlot slot = face->glyph;
    g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    g.width = static_cast<int>(slot->bitmap.width);
    g.height = static_cast<int>(slot->bitmap.rows);
    g.coverage.resize(static_cast<std::size_t>(g.width) * g.height);
    for (int y = 0; y < g.height; ++y) {
        const unsigned char* row = slot->bitmap.buffer + y * slot->bitmap.pitch;
        for (int x = 0; x < g.width; ++x)
            g.coverage[static_cast<std::size_t>(y) * g.width + x] =
                slot->bitmap.pixel_mode == FT_PIXEL_MODE_MONO ? (((row[x >> 3] >> (7 - (x & 7))) & 1) ? 255 : 0)
                                                              : row[x];
    }
    return g;
}

namespace {

Request RequestOf(const LOGFONTW& lf) {
    const std::u16string face(lf.lfFaceName, std::find(lf.lfFaceName, lf.lfFaceName + LF_FACESIZE, u'\0'));
    return {Lower(ToUtf8(face)), lf.lfWeight >= FW_SEMIBOLD, lf.lfItalic != 0, lf.lfQuality == NONANTIALIASED_QUALITY,
            lf.lfHeight == 0 ? kDefaultHeight : lf.lfHeight};
}

std::shared_ptr<FontFace> CopyFor(const FontFace& face, const LOGFONTW& lf) {
    auto copy = std::make_shared<FontFace>(face);
    copy->font = lf;
    return copy;
}

std::shared_ptr<FontFace> OpenFaceLocked(const LOGFONTW& lf) {
    const Request request = RequestOf(lf);
    {
        const std::lock_guard guard(Lib().lock);
        if (const auto it = Lib().requests.find(request); it != Lib().requests.end()) return CopyFor(*it->second, lf);
    }
    Found found;
    if (!FindFile(lf, found)) return nullptr;
    Library& lib = Lib();
    const std::lock_guard guard(lib.lock);
    if (!lib.ft && FT_Init_FreeType(&lib.ft) != 0) return nullptr;

    const bool wantBold = lf.lfWeight >= FW_SEMIBOLD;
    const bool emboldenGlyphs = wantBold && found.weight < FC_WEIGHT_DEMIBOLD;
    const bool shearGlyphs = lf.lfItalic && found.slant == FC_SLANT_ROMAN;
    const bool monochrome = lf.lfQuality == NONANTIALIASED_QUALITY;
    const LONG height = lf.lfHeight == 0 ? kDefaultHeight : lf.lfHeight;

    FT_Face face = nullptr;
    if (FT_New_Face(lib.ft, found.file.c_str(), found.index, &face) != 0) return nullptr;
    // A negative height is the character (em) height; a positive one the whole cell, ascent and
    // descent together.
    const double cellUnits = static_cast<double>(face->ascender - face->descender);
    const double upem = face->units_per_EM ? face->units_per_EM : cellUnits;
    int em = height < 0 ? -height : static_cast<int>(std::lround(height * upem / cellUnits));
    em = std::clamp(em, kMinPixels, kMaxPixels);
    const auto key = std::make_tuple(found.file + "#" + std::to_string(found.index), em, static_cast<int>(height),
                                     emboldenGlyphs, shearGlyphs, monochrome);
    if (const auto it = lib.faces.find(key); it != lib.faces.end()) {
        FT_Done_Face(face);
        lib.requests.emplace(request, it->second);
        return CopyFor(*it->second, lf);
    }
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(em));

    auto f = std::make_shared<FontFace>();
    f->impl = std::make_shared<FontFace::Impl>();
    f->impl->face = face;
    f->impl->emboldenGlyphs = emboldenGlyphs;
    f->impl->shearGlyphs = shearGlyphs;
    f->impl->monochrome = monochrome;
    f->font = lf;
    f->family = found.family;
    const double scale = em / upem;
    f->emPixels = em;
    f->ascent = RoundUnits(face->ascender, scale);
    f->descent = height > 0 ? std::max(0, static_cast<int>(height) - f->ascent) : RoundUnits(-face->descender, scale);
    f->maxWidth = RoundUnits(face->max_advance_width, scale);
    f->underlineOffset = std::max(1, RoundUnits(-face->underline_position, scale));
    f->lineThickness = std::max(1, RoundUnits(face->underline_thickness, scale));
    f->strikeOffset = std::max(1, f->ascent * 3 / 10);
    lib.faces.emplace(key, f);
    lib.requests.emplace(request, f);
    return f;
}

}  // namespace

std::shared_ptr<FontFace> OpenFace(const LOGFONTW& lf) {
    auto f = OpenFaceLocked(lf);
    // Glyphs take the lock themselves, so the average width is measured once it is released.
    if (f && f->averageWidth == 0) f->averageWidth = f->Advance(U'x');
    return f;
}

std::vector<TextChar> DecodeText(const WCHAR* text, int count) {
    std::vector<TextChar> out;
    if (!text) return out;
    out.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const char16_t u = text[i];
        if (u >= 0xD800 && u < 0xDC00 && i + 1 < count && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            out.push_back({0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (text[i + 1] - 0xDC00), i});
            ++i;
        } else {
            out.push_back({u, i});
        }
    }
    return out;
}

}  // namespace platform::gdi

// GCC tells of AddressSanitizer by a macro, clang (the fuzz build) by a feature test.
#if defined(__SANITIZE_ADDRESS__)
#define QV_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QV_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(QV_ADDRESS_SANITIZER)
// fontconfig keeps a block from parsing its configuration that it never frees, and so does the
// message bus library that SDL reaches for a display that turns out not to run; the leak checker of
// the test build is told so here, where every program that uses fonts links it.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\nleak:libdbus-1.so\n"; }
#endif
