// Colour arithmetic and the line, frame, gradient and box routines the painters share.
#include "ui/draw_prims.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <vector>

#include "core/theme.h"
#include "ui/gdi_scope.h"
#include "ui/row_separator.h"
#include "ui/theme_colors.h"
#include "ui/theme_pictures.h"

namespace {

constexpr int kChannelMax = 255;
constexpr int kLightAbove = 200;
constexpr int kDarkBelow = 128;
constexpr COLORREF kGreyOnDark = 0xD7D7D7;
constexpr COLORREF kGreyOnLight = 0x646455;
constexpr int kSeparatorShade = 64;
constexpr int kDogEarLighten = 40;
constexpr int kAltRowBorderDarken = 40;
constexpr int kPanelCutRight = 8;
constexpr int kPanelCutLeft = 3;
constexpr int kTwoToneLighten = 8;
constexpr int kGlossLighten = 50;
constexpr int kGlossBottomGap = 3;
constexpr int kRowSeparatorInset = 12;
constexpr LONG kWeightBold = 600;
constexpr LONG kWeightNormal = 400;
constexpr BYTE kClearTypeQuality = 5;
constexpr BYTE kFacePitchFamily = 4;
constexpr const WCHAR* kFaceName = u"Tahoma";

int Channel(COLORREF colour, int shift) { return static_cast<int>((colour >> shift) & 0xFF); }

COLORREF FromChannels(int red, int green, int blue) {
    return RGB(std::clamp(red, 0, kChannelMax), std::clamp(green, 0, kChannelMax), std::clamp(blue, 0, kChannelMax));
}

COLORREF ShiftColor(COLORREF colour, int amount) {
    // Per channel in double precision and truncated, as stored themes were tuned against.
    const auto shifted = [&](int shift) { return static_cast<int>(static_cast<double>(Channel(colour, shift)) + amount); };
    return FromChannels(shifted(0), shifted(8), shifted(16));
}

int PenStyle(LineStyle style) { return style == LineStyle::Dashed ? PS_DASH : PS_SOLID; }

void PolylineOf(HDC dc, std::initializer_list<POINT> points) {
    Polyline(dc, points.begin(), static_cast<int>(points.size()));
}

// A colour between two, step k of steps, in integer arithmetic (quotient truncated toward zero).
COLORREF StepColor(COLORREF start, COLORREF end, int k, int steps) {
    if (steps == 0) return start;
    const auto step = [&](int shift) {
        const int from = Channel(start, shift);
        return from + k * (Channel(end, shift) - from) / steps;
    };
    return FromChannels(step(0), step(8), step(16));
}

// The sheen a selected panel or tab gets by the selection style.
void DrawSelectionSheen(HDC dc, COLORREF brushColour, const RECT& rect) {
    const COLORREF selection = ThemeColor(kThemeSelColor);
    if (brushColour != selection) return;
    const int half = rect.top + (rect.bottom - rect.top) / 2;
    switch (GetThemeWord(kThemeSelStyle)) {
    case kSelTwoTone: {
        const RECT upper{rect.left, rect.top, rect.right, half};
        const OwnedBrush brush(CreateSolidBrush(LightenColor(selection, kTwoToneLighten)));
        FillRect(dc, &upper, brush.Get());
        break;
    }
    case kSelGlossy:
        DrawGradientLines(dc, RECT{rect.left + 2, rect.top + 1, rect.right - 2, half - kGlossBottomGap},
                          LightenColor(selection, kGlossLighten), selection);
        break;
    default:
        break;
    }
}

// The line one pixel inside a cut-corner outline, which the tab shape shares.
void DrawInnerPanelLine(HDC dc, const RECT& rect, int t) {
    const LONG l = rect.left, r = rect.right, b = rect.bottom;
    PolylineOf(dc, {{l + 1, t + 1}, {r - 1, t + 1}, {r - 1, b - kPanelCutRight}, {r - kPanelCutRight, b - 1},
                    {l + kPanelCutLeft, b - 1}, {l + 1, b - kPanelCutLeft}, {l + 1, t + 1}});
}

int ShapeTop(const RECT& rect, ShapeStyle style) {
    return style.outlineOnly && style.doubleLine ? rect.top - 1 : rect.top;
}

}  // namespace

COLORREF LightenColor(COLORREF colour, int amount) { return ShiftColor(colour, amount); }

constexpr double kMaxContrast = 21.0;
// Where a line of text looks at what lies under it: columns along it by lines across it.
constexpr int kSampleColumns = 9;
constexpr int kSampleLines = 5;
constexpr int kMaxSamples = kSampleColumns * kSampleLines;

double ContrastRatio(COLORREF a, COLORREF b) {
    // Relative luminance of the sRGB channels, as the usual readability measure takes it.
    const auto luminance = [](COLORREF c) {
        const auto linear = [](int channel) {
            const double v = channel / 255.0;
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(GetRValue(c)) + 0.7152 * linear(GetGValue(c)) + 0.0722 * linear(GetBValue(c));
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

COLORREF ReadableTextColor(COLORREF text, COLORREF background) {
    if (ContrastRatio(text, background) >= kReadableContrast) return text;
    constexpr COLORREF kBlack = 0x000000;
    constexpr COLORREF kWhiteText = 0xFFFFFF;
    const COLORREF end = ContrastRatio(kBlack, background) >= ContrastRatio(kWhiteText, background) ? kBlack : kWhiteText;
    constexpr int kSteps = 64;
    for (int step = 1; step < kSteps; ++step) {
        const auto mix = [&](int shift) {
            const int from = static_cast<int>((text >> shift) & 0xFF);
            const int to = static_cast<int>((end >> shift) & 0xFF);
            return static_cast<COLORREF>(from + (to - from) * step / kSteps) << shift;
        };
        const COLORREF mixed = mix(0) | mix(8) | mix(16);
        if (ContrastRatio(mixed, background) >= kReadableContrast) return mixed;
    }
    return end;
}

namespace {

// The text colour, else the first of its nearest readable colours on the backgrounds, black and
// white that reads on all of them; where none does (a band light at the top and dark at the
// bottom), the one that reads best on the most of them.
COLORREF ReadableOnAll(COLORREF text, const COLORREF* backgrounds, int count) {
    const auto worst = [&](COLORREF c) {
        double least = kMaxContrast;
        for (int i = 0; i < count; ++i) least = std::min(least, ContrastRatio(c, backgrounds[i]));
        return least;
    };
    const auto typical = [&](COLORREF c) {
        std::array<double, kMaxSamples> ratios{};
        for (int i = 0; i < count; ++i) ratios[i] = ContrastRatio(c, backgrounds[i]);
        std::nth_element(ratios.begin(), ratios.begin() + count / 2, ratios.begin() + count);
        return ratios[count / 2];
    };
    std::array<COLORREF, 3 + 2> candidates{text, ReadableTextColor(text, backgrounds[count / 4]),
                                           ReadableTextColor(text, backgrounds[count * 3 / 4]), 0x000000, 0xFFFFFF};
    COLORREF best = text;
    for (const COLORREF c : candidates) {
        if (worst(c) >= kReadableContrast) return c;
        if (typical(c) > typical(best)) best = c;
    }
    return best;
}

}  // namespace

namespace {

// Sets the DC's text colour to the readable colour nearest to it on the bulk of what lies in box now
// (a gradient band changes along and across a line, an outline or an icon may touch one end), looking
// only inside clip when one is given.
void ReadableColourIn(HDC dc, const RECT& box, const RECT* clip) {
    const COLORREF colour = GetTextColor(dc);
    std::array<COLORREF, kMaxSamples> behind{};
    int count = 0;
    const int height = box.bottom - box.top;
    const int width = box.right - box.left;
    for (int line = 1; line <= kSampleLines; ++line) {
        const int sampleY = box.top + height * line / (kSampleLines + 1);
        if (clip && (sampleY < clip->top || sampleY >= clip->bottom)) continue;
        for (int i = 0; i < kSampleColumns; ++i) {
            const int sampleX = box.left + 1 + (std::max(width - 2, 0) * i) / (kSampleColumns - 1);
            if (clip && (sampleX < clip->left || sampleX >= clip->right)) continue;
            const COLORREF pixel = GetPixel(dc, sampleX, sampleY);
            if (pixel != CLR_INVALID) behind[count++] = pixel;
        }
    }
    if (count == 0) return;
    // Only the middle half counts for "all": an outline or an icon may touch the line's ends.
    std::sort(behind.begin(), behind.begin() + count,
              [&](COLORREF a, COLORREF b) { return ContrastRatio(colour, a) < ContrastRatio(colour, b); });
    const int from = count / 4;
    SetTextColor(dc, ReadableOnAll(colour, behind.data() + from, std::max(count - 2 * from, 1)));
}

}  // namespace

void ReadableTextOut(HDC dc, int x, int y, std::u16string_view text, const RECT* clip) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    const UINT align = GetTextAlign(dc);
    int left = x;
    if ((align & TA_CENTER) == TA_CENTER) left = x - size.cx / 2;
    else if (align & TA_RIGHT) left = x - size.cx;
    const int top = (align & TA_BASELINE) ? y - metrics.tmAscent : (align & TA_BOTTOM) ? y - metrics.tmHeight : y;
    const COLORREF colour = GetTextColor(dc);
    ReadableColourIn(dc, RECT{left, top, left + size.cx, top + metrics.tmHeight}, clip);
    ExtTextOutW(dc, x, y, clip ? ETO_CLIPPED : 0, clip, text.data(), static_cast<UINT>(text.size()), nullptr);
    SetTextColor(dc, colour);
}

void ReadableDrawText(HDC dc, std::u16string_view text, const RECT& rect, UINT format) {
    // Where the text lands in rect: its measured box placed as the format places it.
    RECT box = rect;
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &box, (format | DT_CALCRECT) & ~DT_VCENTER);
    const int width = std::min<int>(box.right - box.left, rect.right - rect.left);
    const int height = box.bottom - box.top;
    int left = rect.left;
    if (format & DT_CENTER) left = (rect.left + rect.right - width) / 2;
    else if (format & DT_RIGHT) left = rect.right - width;
    int top = rect.top;
    if ((format & DT_SINGLELINE) && (format & DT_VCENTER)) top = (rect.top + rect.bottom - height) / 2;
    else if ((format & DT_SINGLELINE) && (format & DT_BOTTOM)) top = rect.bottom - height;
    const COLORREF colour = GetTextColor(dc);
    ReadableColourIn(dc, RECT{left, top, left + width, top + height}, (format & DT_NOCLIP) ? nullptr : &rect);
    RECT drawn = rect;
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &drawn, format);
    SetTextColor(dc, colour);
}

std::vector<COLORREF> PixelsIn(HDC dc, const RECT& box) {
    std::vector<COLORREF> pixels;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) pixels.push_back(GetPixel(dc, x, y));
    return pixels;
}

void ReadableMark(HDC dc, const RECT& box, const std::vector<COLORREF>& before) {
    std::size_t i = 0;
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right && i < before.size(); ++x, ++i) {
            const COLORREF now = GetPixel(dc, x, y);
            if (now == CLR_INVALID || now == before[i]) continue;
            const COLORREF readable = ReadableTextColor(now, before[i]);
            if (readable != now) SetPixel(dc, x, y, readable);
        }
    }
}

COLORREF DarkenColor(COLORREF colour, int amount) { return ShiftColor(colour, -amount); }

bool IsLightColor(COLORREF colour) {
    return Channel(colour, 0) > kLightAbove && Channel(colour, 8) > kLightAbove && Channel(colour, 16) > kLightAbove;
}

bool IsDarkColor(COLORREF colour) {
    return Channel(colour, 0) < kDarkBelow && Channel(colour, 8) < kDarkBelow && Channel(colour, 16) < kDarkBelow;
}

COLORREF GetGreyForBackground(bool useSelection) {
    const COLORREF reference = ThemeColor(useSelection ? kThemeSelColor : kThemeBackground);
    return IsDarkColor(reference) ? kGreyOnDark : kGreyOnLight;
}

COLORREF GetViewColor(int index) { return ThemeColor(kThemeBusyFree + index); }

bool IsDigitChar(WCHAR ch) { return ch >= u'0' && ch <= u'9'; }

void DrawLine(HDC dc, int x1, int y1, int x2, int y2) { PolylineOf(dc, {{x1, y1}, {x2, y2}}); }

void DrawColorLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour) {
    const OwnedPen pen(CreatePen(PS_SOLID, 1, colour));
    const SelectScope select(dc, pen.Get());
    DrawLine(dc, x1, y1, x2, y2);
}

void DrawFrameRect(HDC dc, const RECT& rect, COLORREF colour, Corners corners, LineStyle style, int width) {
    const OwnedPen pen(CreatePen(PenStyle(style), width, colour));
    const SelectScope select(dc, pen.Get());
    const LONG l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
    if (corners == Corners::Closed) {
        DrawLine(dc, l, t, r, t);
        DrawLine(dc, l, b, r + 1, b);
        DrawLine(dc, l, t, l, b);
        DrawLine(dc, r, t, r, b);
    } else {
        DrawLine(dc, l + 1, t, r, t);
        DrawLine(dc, l + 1, b, r, b);
        DrawLine(dc, l, t + 1, l, b);
        DrawLine(dc, r, t + 1, r, b);
    }
}

void DrawSeparatorLine(HDC dc, int x1, int x2, int y) {
    const COLORREF colour = ThemeColor(kThemeSeparator3d);
    DrawColorLine(dc, x1, y - 1, x2, y - 1, LightenColor(colour, kSeparatorShade));
    DrawColorLine(dc, x1, y, x2, y, colour);
    DrawColorLine(dc, x1, y + 1, x2, y + 1, DarkenColor(colour, kSeparatorShade));
}

void DrawDogEarRect(HDC dc, const RECT& rect, COLORREF colour) {
    const LONG h = (rect.bottom - rect.top) / 2;
    const std::array<POINT, 5> points{{{rect.left, rect.top},
                                       {rect.right - h, rect.top},
                                       {rect.right, rect.top + h},
                                       {rect.right, rect.bottom},
                                       {rect.left, rect.bottom}}};
    const OwnedPen pen(CreatePen(PS_SOLID, 0, colour));
    const OwnedBrush brush(CreateSolidBrush(LightenColor(colour, kDogEarLighten)));
    const SelectScope selectPen(dc, pen.Get());
    const SelectScope selectBrush(dc, brush.Get());
    Polygon(dc, points.data(), static_cast<int>(points.size()));
}

void DrawFadeLine(HDC dc, POINT p1, POINT p2, COLORREF colourA, COLORREF colourB, FadeEnd fade) {
    const int x1 = p1.x, x2 = p2.x, y = p1.y;
    const int w = x2 - x1;
    const int d = w / 2 + (w % 2 != 0 ? 1 : 0);
    // A line of no width has no fading run to divide into: StepColor keeps its start colour then.
    if (fade == FadeEnd::Left) {
        DrawColorLine(dc, x1 + d, y, x2, y, colourB);
        for (int k = 0; k <= d; ++k) SetPixel(dc, x1 + k, y, StepColor(colourA, colourB, k, d));
    } else {
        DrawColorLine(dc, x1, y, x1 + d, y, colourB);
        for (int k = 0; k <= w - d; ++k) SetPixel(dc, x1 + d + k, y, StepColor(colourB, colourA, k, d));
    }
}

void DrawGradientLines(HDC dc, const RECT& rect, COLORREF colourFrom, COLORREF colourTo) {
    const int height = rect.bottom - rect.top;
    if (height <= 2) return;
    for (int y = rect.top + 1; y <= rect.bottom - 2; ++y) {
        const auto channel = [&](int shift) {
            const double from = Channel(colourFrom, shift);
            return static_cast<int>(from - (y - rect.top) * (from - Channel(colourTo, shift)) / height);
        };
        DrawColorLine(dc, rect.left, y, rect.right, y, FromChannels(channel(0), channel(8), channel(16)));
    }
}

ShapeStyle SelectionShapeStyle() {
    return ShapeStyle{GetThemeWord(kThemeSelDashed) != 0 ? LineStyle::Dashed : LineStyle::Solid, false, true};
}

void DrawCutCornerPanel(HDC dc, COLORREF penColour, COLORREF brushColour, const RECT& rect, ShapeStyle style) {
    const LONG l = rect.left, r = rect.right, b = rect.bottom;
    const LONG t = ShapeTop(rect, style);
    const std::array<POINT, 7> points{{{l, t},
                                       {r, t},
                                       {r, b - kPanelCutRight},
                                       {r - kPanelCutRight, b},
                                       {l + kPanelCutLeft, b},
                                       {l, b - kPanelCutLeft},
                                       {l, t}}};
    const OwnedPen pen(CreatePen(PenStyle(style.line), 1, penColour));
    const OwnedBrush brush(CreateSolidBrush(brushColour));
    const SelectScope selectPen(dc, pen.Get());
    const SelectScope selectBrush(dc, brush.Get());
    if (style.outlineOnly) {
        Polyline(dc, points.data(), static_cast<int>(points.size()));
        if (style.doubleLine) DrawInnerPanelLine(dc, rect, t);
        return;
    }
    Polygon(dc, points.data(), static_cast<int>(points.size()) - 1);
    DrawSelectionSheen(dc, brushColour, rect);
}

void DrawTabShape(HDC dc, COLORREF penColour, COLORREF brushColour, const RECT& rect, int, int, ShapeStyle style) {
    const LONG l = rect.left, r = rect.right, b = rect.bottom;
    const LONG t = ShapeTop(rect, style);
    const LONG d = static_cast<LONG>((r - l) * 0.2);
    const std::array<POINT, 12> points{{{l, t},
                                        {l + 5, t},
                                        {r - d, t},
                                        {r - d + 7, t + 7},
                                        {r - 3, t + 7},
                                        {r, t + 10},
                                        {r, b - 4},
                                        {r - 4, b},
                                        {l + d, b},
                                        {l + d - 5, b - 5},
                                        {l, b - 5},
                                        {l, t + 5}}};
    const OwnedPen pen(CreatePen(PenStyle(style.line), 1, penColour));
    const OwnedBrush brush(CreateSolidBrush(brushColour));
    const SelectScope selectPen(dc, pen.Get());
    const SelectScope selectBrush(dc, brush.Get());
    if (style.outlineOnly) {
        Polyline(dc, points.data(), static_cast<int>(points.size()));
        if (style.doubleLine) DrawInnerPanelLine(dc, rect, t);
        return;
    }
    Polygon(dc, points.data(), static_cast<int>(points.size()) - 1);
    DrawSelectionSheen(dc, brushColour, rect);
}

void DrawThemedItemBox(HDC dc, const RECT& rect, bool primaryRow, int a, int b, bool wantSeparator,
                       bool outlineWhenPicture) {
    const bool open = outlineWhenPicture && HasBackPicture();
    const LONG style = GetThemeWord(kThemeListBackground);
    switch (style) {
    case kBackAltRows:
    case kBackRect: {
        const bool alternate = style == kBackAltRows && !primaryRow;
        const COLORREF brushColour = ThemeColor(alternate ? kThemeAltBackground : kThemeBackground);
        const COLORREF penColour = alternate ? DarkenColor(brushColour, kAltRowBorderDarken) : ThemeColor(kThemeItemBorder);
        RECT box{rect.left + 2, rect.top - 2, rect.right - 2, rect.bottom + 2};
        if (open) {
            box.bottom -= 1;
            DrawFrameRect(dc, box, penColour, Corners::Open, LineStyle::Solid, 0);
            return;
        }
        const OwnedPen pen(CreatePen(PS_SOLID, 0, penColour));
        const OwnedBrush brush(CreateSolidBrush(brushColour));
        const SelectScope selectPen(dc, pen.Get());
        const SelectScope selectBrush(dc, brush.Get());
        Rectangle(dc, box.left, box.top, box.right, box.bottom);
        return;
    }
    case kBackDashedSep:
    case kBackSolidSep:
        if (wantSeparator) DrawSeparator(dc, rect.bottom + 2, rect.left, rect.right, kRowSeparatorInset);
        return;
    case kBackCutCorner:
    case kBackFolderTab: {
        const RECT box{rect.left + 2, rect.top - 1, rect.right - 2, rect.bottom + 1};
        const ShapeStyle shape{LineStyle::Solid, open, false};
        const COLORREF pen = ThemeColor(kThemeItemBorder);
        const COLORREF brush = ThemeColor(kThemeBackground);
        if (style == kBackCutCorner) {
            DrawCutCornerPanel(dc, pen, brush, box, shape);
        } else {
            DrawTabShape(dc, pen, brush, box, a, b, shape);
        }
        return;
    }
    default:
        return;
    }
}

void DrawShadowText(HDC dc, int x, int y, std::u16string_view text) {
    const COLORREF previous = SetTextColor(dc, kShadowGrey);
    // The shadow is a line of its own to the eye: it too has to stand out from what it lies on.
    if (previous != kShadowGrey) ReadableTextOut(dc, x + 1, y + 1, text);
    SetTextColor(dc, previous);
    ReadableTextOut(dc, x, y, text);
}

void InitLogFont(LOGFONTW& font, LONG height, bool bold, bool italic) {
    font = LOGFONTW{};
    font.lfHeight = height;
    font.lfWeight = bold ? kWeightBold : kWeightNormal;
    font.lfItalic = italic ? 1 : 0;
    font.lfQuality = kClearTypeQuality;
    font.lfPitchAndFamily = kFacePitchFamily;
    std::char_traits<WCHAR>::copy(font.lfFaceName, kFaceName, std::char_traits<WCHAR>::length(kFaceName) + 1);
}

HFONT CreateUnderlineFont(HDC dc) {
    LOGFONTW font{};
    GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof(font), &font);
    font.lfUnderline = 1;
    return CreateFontIndirectW(&font);
}
