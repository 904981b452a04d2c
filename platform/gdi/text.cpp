// Fonts and text output: CreateFontIndirectW, metrics, extents and ExtTextOutW. Glyphs are blended
// onto the surface by their coverage in the text colour.
#include <algorithm>

#include "gdi/dc.h"
#include "gdi/draw_record.h"
#include "gdi/font_face.h"
#include "platform/device.h"
#include "platform/system.h"

namespace platform::gdi {

const FontFace* FontObject::Face() const {
    const std::lock_guard guard(faceLock);
    if (!face) face = OpenFace(font);
    return face.get();
}

}  // namespace platform::gdi

using namespace platform::gdi;

namespace {

const FontFace* FaceOf(const DcObject& dc) {
    const auto font = dc.Font();
    return font ? font->Face() : nullptr;
}

// Pixel advances of each UTF-16 unit (the second unit of a pair advances 0).
std::vector<int> Advances(const FontFace& face, LPCWSTR text, int count) {
    std::vector<int> advances(static_cast<std::size_t>(count), 0);
    for (const TextChar& tc : DecodeText(text, count)) advances[static_cast<std::size_t>(tc.unit)] = face.Advance(tc.c);
    return advances;
}

void DrawGlyph(const Canvas& canvas, const Glyph& g, int penX, int baseline, Pixel colour) {
    const Surface& s = *canvas.surface;
    for (const RECT& c : canvas.clip) {
        const int x0 = std::max<int>(penX + g.left, c.left), x1 = std::min<int>(penX + g.left + g.width, c.right);
        const int y0 = std::max<int>(baseline - g.top, c.top), y1 = std::min<int>(baseline - g.top + g.height, c.bottom);
        for (int y = y0; y < y1; ++y) {
            Pixel* row = s.Row(y);
            const std::uint8_t* cov = g.coverage.data() + static_cast<std::size_t>(y - (baseline - g.top)) * g.width;
            for (int x = x0; x < x1; ++x) {
                const unsigned a = cov[x - (penX + g.left)];
                if (a == 0) continue;
                if (s.monochrome) {
                    if (a >= 128) row[x] = s.Fit(colour);
                } else {
                    row[x] = a == 255 ? colour : Blend(row[x], colour, a);
                }
            }
        }
    }
}

}  // namespace

HFONT CreateFontIndirectW(const LOGFONTW* font) {
    if (!font) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto object = std::make_shared<FontObject>();
    object->font = *font;
    object->font.lfFaceName[LF_FACESIZE - 1] = 0;
    return static_cast<HFONT>(RegisterObject(object));
}

BOOL GetTextMetricsW(HDC dc, LPTEXTMETRICW metrics) {
    const auto d = LookupDc(dc);
    const FontFace* face = d ? FaceOf(*d) : nullptr;
    if (!face || !metrics) return FALSE;
    TEXTMETRICW tm{};
    tm.tmHeight = face->Height();
    tm.tmAscent = face->ascent;
    tm.tmDescent = face->descent;
    tm.tmInternalLeading = std::max(0, face->Height() - face->emPixels);
    tm.tmExternalLeading = 0;
    tm.tmAveCharWidth = face->averageWidth;
    tm.tmMaxCharWidth = face->maxWidth;
    tm.tmWeight = face->font.lfWeight ? face->font.lfWeight : FW_NORMAL;
    tm.tmDigitizedAspectX = tm.tmDigitizedAspectY = platform::Profile().dpi;
    tm.tmFirstChar = 0x20;
    tm.tmLastChar = 0xFFFC;
    tm.tmDefaultChar = u'?';
    tm.tmBreakChar = u' ';
    tm.tmItalic = face->font.lfItalic;
    tm.tmUnderlined = face->font.lfUnderline;
    tm.tmStruckOut = face->font.lfStrikeOut;
    tm.tmPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    tm.tmCharSet = face->font.lfCharSet;
    *metrics = tm;
    return TRUE;
}

BOOL GetTextExtentExPointW(HDC dc, LPCWSTR text, int count, int maxExtent, LPINT fits, LPINT partial, LPSIZE size) {
    const auto d = LookupDc(dc);
    const FontFace* face = d ? FaceOf(*d) : nullptr;
    if (!face || count < 0 || (count > 0 && !text)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const std::vector<int> advances = Advances(*face, text, count);
    int extent = 0, fitting = 0;
    for (int i = 0; i < count; ++i) {
        extent += advances[static_cast<std::size_t>(i)];
        if (partial) partial[i] = extent;
        if (extent <= maxExtent) fitting = i + 1;
    }
    if (fits) *fits = fitting;
    if (size) *size = {extent, face->Height()};
    return TRUE;
}

BOOL GetTextExtentPoint32W(HDC dc, LPCWSTR text, int count, LPSIZE size) {
    return GetTextExtentExPointW(dc, text, count, 0, nullptr, nullptr, size);
}

BOOL ExtTextOutW(HDC dc, int x, int y, UINT options, const RECT* rect, LPCWSTR text, UINT count, const int* dx) {
    const auto d = LookupDc(dc);
    if (!d) return FALSE;
    const FontFace* face = FaceOf(*d);
    if (!face || (count > 0 && !text) || !SaneCoordinates({x, y}) ||
        (rect && !SaneCoordinates({rect->left, rect->top, rect->right, rect->bottom}))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    Canvas canvas(*d);
    const Pixel back = PixelFromColor(d->state.bkColor);
    if ((options & ETO_OPAQUE) && rect) {
        Canvas opaque(*d);
        if (!opaque.Empty())
            opaque.FillRect({canvas.X(rect->left), canvas.Y(rect->top), canvas.X(rect->right), canvas.Y(rect->bottom)},
                            Ink::Solid(back));
    }
    if ((options & ETO_CLIPPED) && rect)
        canvas.Limit({canvas.X(rect->left), canvas.Y(rect->top), canvas.X(rect->right), canvas.Y(rect->bottom)});

    const int n = static_cast<int>(count);
    std::vector<int> advances = Advances(*face, text, n);
    if (dx)
        for (int i = 0; i < n; ++i) advances[static_cast<std::size_t>(i)] = dx[i];
    int width = 0;
    for (int a : advances) width += a;

    const UINT align = d->state.textAlign;
    if (align & TA_UPDATECP) {
        x = d->state.position.x;
        y = d->state.position.y;
    }
    int left = x;
    if ((align & TA_CENTER) == TA_CENTER)
        left = x - width / 2;
    else if (align & TA_RIGHT)
        left = x - width;
    int top = y;
    if ((align & TA_BASELINE) == TA_BASELINE)
        top = y - face->ascent;
    else if (align & TA_BOTTOM)
        top = y - face->Height();
    if (align & TA_UPDATECP) d->state.position.x = (align & TA_RIGHT) && (align & TA_CENTER) != TA_CENTER ? left : left + width;
    if (canvas.Empty() || n == 0) return TRUE;

    const int sx = canvas.X(left), sy = canvas.Y(top);
    const RECT textBox{sx, sy, sx + width, sy + face->Height()};
    if (d->state.bkMode == OPAQUE) canvas.FillRect({sx, sy, sx + width, sy + face->Height()}, Ink::Solid(back));
    const Pixel colour = PixelFromColor(d->state.textColor);
    const int baseline = sy + face->ascent;
    int pen = sx;
    for (const TextChar& tc : DecodeText(text, n)) {
        DrawGlyph(canvas, face->GlyphOf(tc.c), pen, baseline, colour);
        pen += advances[static_cast<std::size_t>(tc.unit)];
        if (tc.c > 0xFFFF) pen += advances[static_cast<std::size_t>(tc.unit) + 1];
    }
    const Ink line = Ink::Solid(colour);
    if (face->font.lfUnderline) {
        const int uy = baseline + face->underlineOffset;
        canvas.FillRect({sx, uy, sx + width, uy + face->lineThickness}, line);
    }
    if (face->font.lfStrikeOut) {
        const int ty = baseline - face->strikeOffset;
        canvas.FillRect({sx, ty, sx + width, ty + face->lineThickness}, line);
    }
    RecordText(*canvas.surface, textBox, canvas.Bounds(), std::u16string_view(text, count), d->state.textColor,
               d->state.bkColor);
    return TRUE;
}

int GetTextFaceW(HDC dc, int count, LPWSTR out) {
    const auto d = LookupDc(dc);
    const auto font = d ? d->Font() : nullptr;
    if (!font) return 0;
    const WCHAR* name = font->font.lfFaceName;
    const int length = static_cast<int>(std::find(name, name + LF_FACESIZE, u'\0') - name);
    if (!out) return length + 1;
    if (count <= 0) return 0;
    const int copied = std::min(length, count - 1);
    std::copy(name, name + copied, out);
    out[copied] = 0;
    return copied + 1;
}
