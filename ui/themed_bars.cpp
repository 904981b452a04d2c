// Header bands, their backgrounds and the selection of rows, in the current theme's styles.
#include "ui/themed_bars.h"

#include <array>

#include "core/app_settings.h"
#include "core/cat_record.h"
#include "core/screen_class.h"
#include "platform/gdi.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/draw_prims.h"
#include "ui/gdi_scope.h"
#include "ui/image_lists.h"
#include "ui/layout.h"
#include "ui/main_state.h"
#include "ui/theme_colors.h"

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kIconBoxPen = 0x202020;
constexpr int kBandOutlineDarken = 60;
constexpr int kSelShade = 50;
constexpr int kTwoToneDarken = 8;
constexpr int kGlossSkipRows = 3;
constexpr int kChannelMax = 255;
constexpr int kVgaBigExtra = 16;
constexpr int kRightTextGap = 10;
constexpr int kDropButtonStyles = 5;  // 0-4; any other value draws the cells of style 5
constexpr SIZE kDropCell{24, 14};
constexpr SIZE kDropCellVga{48, 25};
constexpr int kArrowBitmap = IDB_DROP_ARROW;
constexpr int kArrowBitmapVga = IDB_DROP_ARROW_VGA;
constexpr SIZE kArrowSize{8, 11};
constexpr SIZE kArrowSizeVga{16, 20};
constexpr const WCHAR* kMeasureText = u"XXX";

enum TitleBarStyle : LONG { kBarBand = 0, kBarFramed = 1, kBarLabel = 2, kBarThin = 3 };

int Channel(COLORREF colour, int shift) { return static_cast<int>((colour >> shift) & 0xFF); }

// Step `pos` of `span` from one colour toward another, per channel in double precision, truncated.
COLORREF Blend(COLORREF from, COLORREF to, int pos, int span) {
    if (span <= 0) return from;
    const auto channel = [&](int shift) {
        const double start = Channel(from, shift);
        return static_cast<int>(start + pos * (Channel(to, shift) - start) / span);
    };
    return RGB(channel(0), channel(8), channel(16));
}

void FillColor(HDC dc, const RECT& rect, COLORREF colour) {
    const OwnedBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &rect, brush.Get());
}

// Horizontal lines for rows first..last - 1 from one colour at the first row toward another at last.
void RowGradient(HDC dc, int left, int right, int first, int last, COLORREF from, COLORREF to) {
    for (int y = first; y < last; ++y) DrawColorLine(dc, left, y, right, y, Blend(from, to, y - first, last - first));
}

void ColumnGradient(HDC dc, int top, int bottom, int first, int last, COLORREF from, COLORREF to) {
    for (int x = first; x < last; ++x) DrawColorLine(dc, x, top, x, bottom, Blend(from, to, x - first, last - first));
}

void DrawGloss(HDC dc, const RECT& rect, COLORREF colour2) {
    const RECT gloss{rect.left + 1, rect.top + 1, rect.right - 1, rect.top + (rect.bottom - rect.top) / 2 + 1};
    const int gh = gloss.bottom - gloss.top;
    for (int j = 0; j <= gh - 1 - kGlossSkipRows; ++j) {
        const auto channel = [&](int shift) {
            return kChannelMax - (j + kGlossSkipRows) * (kChannelMax - Channel(colour2, shift)) / gh;
        };
        DrawColorLine(dc, gloss.left, gloss.top + j, gloss.right, gloss.top + j,
                      RGB(channel(0), channel(8), channel(16)));
    }
}

HFONT ThemeFontOf(ThemeFont font) { return g_Main.themeFonts[static_cast<std::size_t>(font)]; }

SIZE TextSize(HDC dc, std::u16string_view text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    return size;
}

void TextAt(HDC dc, int x, int y, std::u16string_view text) { ReadableTextOut(dc, x, y, text); }

LONG CategoryIcon(int categoryIndex) {
    if (categoryIndex < 0 || categoryIndex >= g_CatList.Size()) return -1;
    return g_CatList[categoryIndex].icon;
}

// Which header draws the icon box: the label tab has its own rule for a big icon.
enum class IconBoxRule { kBar, kBarNoVga, kLabel };

// The label tab's icon is big on QVGA from font size 15 on; its text makes room for it.
bool LabelIconIsBig() { return IsQvgaScreen() && g_Settings.fontSize > 14; }

// The category's icon in a white box at the left of the band.
void DrawIconBox(HDC dc, int y, LONG icon, IconBoxRule rule) {
    const LONG fontSize = g_Settings.fontSize;
    const bool qvga = IsQvgaScreen();
    int size = 12;
    IconSize list = IconSize::Small;
    if (rule == IconBoxRule::kBar && IsVgaScreen()) {
        size = 28;
        list = IconSize::Large;
        y += 6;
    } else if (rule == IconBoxRule::kLabel ? LabelIconIsBig() : qvga && (fontSize == 16 || fontSize > 17)) {
        size = 16;
        list = IconSize::Large;
        // At 16 the bar's text sits higher in the band, and the box with it.
        if (rule != IconBoxRule::kLabel && fontSize == 16) y -= 1;
    }
    if (qvga) {
        if (fontSize == 20) y += 2;
        if (fontSize == 22) y += 3;
    } else if (fontSize > 15) {
        y += 1;
    }
    constexpr int kBoxLeft = 6;
    constexpr int kIconLeft = 8;
    const OwnedPen pen(CreatePen(PS_SOLID, 1, kIconBoxPen));
    const OwnedBrush brush(CreateSolidBrush(kWhite));
    {
        const SelectScope selectPen(dc, pen.Get());
        const SelectScope selectBrush(dc, brush.Get());
        Rectangle(dc, kBoxLeft, y + 1, kBoxLeft + size, y + 1 + size);
    }
    if (list == IconSize::Large) {
        DrawCustomIcon(dc, kIconLeft, y + 3, icon, true);
    } else {
        DrawSmallCustomIcon(dc, kIconLeft, y + 2, icon);
    }
}

int IconTextShift() {
    if (IsVgaScreen()) return 32;
    return IsQvgaScreen() ? 18 : 14;
}

// The band of styles 0 and 1 for a big bar, by screen class; y may move up with it.
RECT BigBand(LONG left, LONG right, int& y, int h) {
    const LONG fontSize = g_Settings.fontSize;
    if (IsQvgaScreen()) {
        if (fontSize < 20) return RECT{left + 2, y - 2, right - 2, y + h + 1};
        y -= 3;
        return RECT{left + 2, y + 1, right - 2, y + h + 2};
    }
    if (IsVgaScreen()) return RECT{left + 2, y, right - 2, y + h + kVgaBigExtra};
    if (IsSquare320Screen() || fontSize < 16) return RECT{left + 2, y - 2, right - 2, y + h + 2};
    y -= 2;
    return RECT{left + 2, y, right - GetSystemMetrics(SM_CXVSCROLL) - 2, y + h - 1};
}

int BigExtra(bool big) { return big && IsVgaScreen() ? kVgaBigExtra : 0; }

void DrawRightText(HDC dc, LONG right, int y, const std::u16string& text, COLORREF colour, bool useColour) {
    if (text.empty()) return;
    const SelectScope font(dc, ThemeFontOf(kFontSmall));
    const COLORREF previous = useColour ? SetTextColor(dc, colour) : GetTextColor(dc);
    TextAt(dc, right - TextSize(dc, text).cx - kRightTextGap, y, text);
    SetTextColor(dc, previous);
}

int DrawBandBar(HDC dc, const RECT& client, const ThemedBarArgs& args, LONG style) {
    const LONG icon = args.categoryIndex != kNoCategory ? CategoryIcon(args.categoryIndex) : -1;
    const SelectScope font(dc, ThemeFontOf(kFontBold));
    const int h = TextSize(dc, kMeasureText).cy;
    if (!args.draw) return h + BigExtra(args.big);
    int y = args.y;
    RECT band = args.big ? BigBand(client.left, client.right, y, h)
                         : RECT{client.left + 2, y - 2, client.right - 2, y + h + 2};
    const COLORREF outline = DarkenColor(ThemeColor(kThemeTitlePrimary), kBandOutlineDarken);
    if (style == kBarBand) {
        band.left -= 2;
        band.right += 2;
        DrawColorLine(dc, band.left, band.top, band.right, band.top, outline);
        DrawColorLine(dc, band.left, band.bottom - 1, band.right, band.bottom - 1, outline);
    }
    RECT background = band;
    DrawThemedBackground(dc, background, false, false, style == kBarBand, style != kBarBand);
    const COLORREF frame = ThemeColor(kThemeSelFrameColor);
    if (args.selected && style == kBarBand) {
        DrawColorLine(dc, band.left, band.top - 1, band.right, band.top - 1, frame);
        DrawColorLine(dc, band.left, band.bottom, band.right, band.bottom, frame);
    } else if (args.selected) {
        DrawFrameRect(dc, RECT{band.left - 1, band.top - 1, band.right, band.bottom}, frame, Corners::Closed,
                      LineStyle::Solid, 0);
        DrawFrameRect(dc, RECT{band.left - 2, band.top - 2, band.right + 1, band.bottom + 1}, frame, Corners::Closed,
                      LineStyle::Solid, 0);
    }
    const COLORREF light = ThemeColor(kThemeTitleLightText);
    COLORREF textColour = light;
    if (args.selected) textColour = IsLightColor(light) ? ThemeColor(kThemeSelColor) : frame;
    const COLORREF previousColour = SetTextColor(dc, textColour);
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    int x = args.x;
    int textY = (band.top + band.bottom) / 2 - h / 2;
    if (icon != -1) {
        x += IconTextShift();
        if (IsQvgaScreen() && (g_Settings.fontSize == 20 || g_Settings.fontSize == 22)) textY -= 1;
    }
    if (args.rightText.empty() && args.centre) x = (band.left + band.right) / 2 - TextSize(dc, args.leftText).cx / 2;
    TextAt(dc, x, textY, args.leftText);
    DrawRightText(dc, client.right, y - 2, args.rightText, 0, false);
    if (icon != -1) DrawIconBox(dc, y, icon, IconBoxRule::kBar);
    SetBkMode(dc, previousMode);
    SetTextColor(dc, previousColour);
    return h + BigExtra(args.big);
}

// Title-bar style 2: a label tab at the left and a fading line under the whole band.
int DrawHeaderLabel(HDC dc, const RECT& client, const ThemedBarArgs& args) {
    const LONG icon = args.categoryIndex != kNoCategory ? CategoryIcon(args.categoryIndex) : -1;
    const SelectScope font(dc, ThemeFontOf(kFontBold));
    const SIZE text = TextSize(dc, args.leftText.empty() ? std::u16string_view(kMeasureText) : args.leftText);
    const int h = text.cy;
    if (!args.draw) return h;
    const bool bigIcon = LabelIconIsBig();
    int y = args.y;
    RECT band{client.left + 2, y - 2, client.right - 2, y + h + 2};
    if (args.big && !IsVgaScreen()) {
        const LONG threshold = IsQvgaScreen() ? 20 : 16;
        const int s = GetSystemMetrics(SM_CXVSCROLL);
        if (g_Settings.fontSize < threshold) {
            band = RECT{client.left + 2, y - 2, client.right - s - 2, y + h + 1};
        } else {
            y -= 2;
            band = RECT{client.left + 2, y, client.right - s - 2, y + h - 1};
        }
    }
    const int extra = icon == -1 ? 0 : (bigIcon ? 18 : 14);
    const COLORREF primary = ThemeColor(kThemeTitlePrimary);
    constexpr int kLabelPad = 20;
    DrawDogEarRect(dc, RECT{band.left, band.top, band.left + text.cx + extra + kLabelPad, band.bottom}, primary);
    DrawFadeLine(dc, POINT{band.left, band.bottom}, POINT{band.right, band.bottom}, ThemeColor(kThemeBackground),
                 primary, FadeEnd::Right);
    COLORREF textColour = ThemeColor(kThemeTitleLightText);
    if (args.selected) {
        DrawFadeLine(dc, POINT{band.left, band.bottom + 1}, POINT{band.right, band.bottom + 1},
                     ThemeColor(kThemeSelColor), ThemeColor(kThemeSelFrameColor), FadeEnd::Right);
        textColour = IsLightColor(textColour) ? ThemeColor(kThemeSelColor) : ThemeColor(kThemeSelFrameColor);
    }
    const COLORREF previousColour = SetTextColor(dc, textColour);
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    TextAt(dc, args.x + extra, y, args.leftText);
    if (!args.rightText.empty()) {
        const SelectScope detail(dc, ThemeFontOf(kFontSmall));
        const SIZE right = TextSize(dc, args.rightText);
        SetTextColor(dc, ThemeColor(kThemeTitleSecondary));
        TextAt(dc, client.right - right.cx - kRightTextGap, y + h - right.cy, args.rightText);
    }
    if (icon != -1) DrawIconBox(dc, y, icon, IconBoxRule::kLabel);
    SetBkMode(dc, previousMode);
    SetTextColor(dc, previousColour);
    return h;
}

// Title-bar style 3: the text over a thin underline.
int DrawThemedBarThin(HDC dc, const RECT& client, const ThemedBarArgs& args) {
    const LONG icon = args.categoryIndex != kNoCategory ? CategoryIcon(args.categoryIndex) : -1;
    OwnedFont ownFont;
    if (!args.big) {
        LOGFONTW logFont{};
        constexpr LONG kThinBarFontGrowth = 4;
        InitLogFont(logFont, g_Settings.fontSize + kThinBarFontGrowth, false, false);
        ownFont.Reset(CreateFontIndirectW(&logFont));
    }
    const SelectScope font(dc, args.big ? ThemeFontOf(kFontBold) : ownFont.Get());
    const int h = TextSize(dc, kMeasureText).cy;
    constexpr int kLooseGap = 10;
    if (!args.draw) return args.compact ? h + BigExtra(args.big) : h + kLooseGap;
    int y = args.y;
    RECT band{client.left + 2, y - 2, client.right - 2, y + h + 2};
    int textY = y;
    if (!args.big && !args.compact) {
        band.bottom = y + h + 12;
        textY += kLooseGap;
    } else if (args.big) {
        band = BigBand(client.left, client.right, y, h);
        textY = y;
    }
    RECT background = band;
    DrawThemedBackground(dc, background, false, false, false, true);
    if (args.selected) {
        DrawFadeLine(dc, POINT{band.left + 3, band.bottom + 1}, POINT{band.right - 3, band.bottom + 1},
                     ThemeColor(kThemeSelColor), ThemeColor(kThemeSelFrameColor), FadeEnd::Right);
    }
    const COLORREF previousColour =
        SetTextColor(dc, ThemeColor(args.selected ? kThemeSelFrameColor : kThemeTitlePrimary));
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    int x = args.x;
    if (icon != -1) {
        x += IsQvgaScreen() ? 18 : 14;
        if (IsQvgaScreen() && (g_Settings.fontSize == 20 || g_Settings.fontSize == 22)) textY -= 1;
    }
    TextAt(dc, x, textY, args.leftText);
    if (!args.rightText.empty()) {
        const SelectScope detail(dc, ThemeFontOf(kFontSmall));
        const SIZE right = TextSize(dc, args.rightText);
        SetTextColor(dc, ThemeColor(kThemeTitleSecondary));
        TextAt(dc, client.right - right.cx - kRightTextGap, textY + h - right.cy, args.rightText);
    }
    if (icon != -1) DrawIconBox(dc, y, icon, IconBoxRule::kBarNoVga);
    SetBkMode(dc, previousMode);
    SetTextColor(dc, previousColour);
    return args.compact ? h + BigExtra(args.big) : h + kLooseGap;
}

}  // namespace

int DrawThemedBar(HDC dc, HWND window, const ThemedBarArgs& args) {
    RECT client{};
    GetViewClientRect(window, client);
    if (args.rightEdge != kWholeClientWidth) client.right = args.rightEdge;
    switch (GetThemeWord(kThemeTitleBarStyle)) {
    case kBarLabel: return DrawHeaderLabel(dc, client, args);
    case kBarThin: return DrawThemedBarThin(dc, client, args);
    case kBarFramed: return DrawBandBar(dc, client, args, kBarFramed);
    default: return DrawBandBar(dc, client, args, kBarBand);
    }
}

void DrawThemeGradient(HDC dc, POINT p1, POINT p2, bool useBackground, FadeEnd fade) {
    const COLORREF primary = ThemeColor(kThemeTitlePrimary);
    if (useBackground) {
        DrawFadeLine(dc, p1, p2, ThemeColor(kThemeBackground), primary, fade);
    } else {
        DrawFadeLine(dc, p1, p2, primary, ThemeColor(kThemeTitleSecondary), fade);
    }
}

void DrawThemedBackground(HDC dc, RECT& rect, bool fullBar, bool useBackground, bool noOutline, bool inset) {
    const COLORREF colour1 = ThemeColor(kThemeTitlePrimary);
    const COLORREF colour2 = ThemeColor(useBackground ? kThemeBackground : kThemeTitleSecondary);
    const int i = inset ? 1 : 0;
    const bool gradient = GetThemeWord(kThemeTitleGradient) != 0;
    if (GetThemeWord(kThemeTitleBarStyle) == kBarThin && !fullBar) {
        if (gradient) {
            DrawThemeGradient(dc, POINT{rect.left + 3, rect.bottom}, POINT{rect.right - 3, rect.bottom}, useBackground,
                              FadeEnd::Right);
        } else {
            DrawColorLine(dc, rect.left + 3, rect.bottom, rect.right - 3, rect.bottom, ThemeColor(kThemeTitleSecondary));
        }
        return;
    }
    if (!noOutline) {
        const OwnedPen pen(CreatePen(PS_SOLID, 1, DarkenColor(colour1, kBandOutlineDarken)));
        const SelectScope select(dc, pen.Get());
        Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    }
    const LONG l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
    if (!gradient) {
        rect = RECT{l + i, t + 1, r - i, b - 1};
        FillColor(dc, rect, colour1);
        return;
    }
    switch (GetThemeWord(kThemeGradientStyle)) {
    case 1: {
        const LONG third = (b - t) / 3;
        FillColor(dc, RECT{l + i, t + 1, r - i, t + third}, colour1);
        rect.top = t + third - 1;
        DrawGradientLines(dc, RECT{l + i, rect.top, r - i, rect.bottom}, colour1, colour2);
        return;
    }
    case 2: {
        const LONG third = (b - t) / 3;
        FillColor(dc, RECT{l + i, t + third + 1, r - i, t + 2 * third}, colour1);
        RowGradient(dc, l + i, r - i, t + 1, t + third + 1, colour2, colour1);
        RowGradient(dc, l + i, r - i, b - third - 2, b - 1, colour1, colour2);
        return;
    }
    case 3: {
        rect = RECT{l + i, t + 1, r - i, b - 1};
        FillColor(dc, rect, colour1);
        RowGradient(dc, l + i, r - i, t + 1, t + (b - t) / 2, colour2, colour1);
        return;
    }
    case 4: {
        const LONG middle = l + (r - l) / 2;
        ColumnGradient(dc, t + 1, b - 1, l, middle, colour1, colour2);
        ColumnGradient(dc, t + 1, b - 1, middle, r, colour2, colour1);
        DrawGloss(dc, RECT{l, t, r, b}, colour2);
        return;
    }
    default: {
        const LONG w = r - l;
        FillColor(dc, RECT{l + i, t + 1, l + 3 * w / 4 + 1, b - 1}, colour1);
        rect.left = l + 3 * w / 4;
        ColumnGradient(dc, t + 1, b - 1, rect.left, r - i, colour1, colour2);
        return;
    }
    }
}

BOOL DrawDropButton(HDC dc, int x, int y, bool expanded, LONG buttonStyle) {
    const LONG barStyle = GetThemeWord(kThemeTitleBarStyle);
    const bool vga = IsVgaScreen();
    if (barStyle == kBarLabel || barStyle == kBarThin) {
        const bool narrow = IsQvgaScreen() || IsSquare320Screen();
        if (narrow || vga) {
            const int from = vga ? x - 48 : x - 24;
            const int to = vga ? x + 72 : x + 36;
            if (GetThemeWord(kThemeTitleGradient) != 0) {
                DrawFadeLine(dc, POINT{from, y}, POINT{to, y}, ThemeColor(kThemeBackground),
                             ThemeColor(kThemeTitlePrimary), FadeEnd::Left);
            } else {
                DrawColorLine(dc, from, y, to, y, ThemeColor(kThemeTitlePrimary));
            }
        }
    }
    const LONG style = buttonStyle >= 0 && buttonStyle < kDropButtonStyles ? buttonStyle : kDropButtonStyles;
    const int cell = static_cast<int>(2 * style + (expanded ? 0 : 1));
    const SIZE size = vga ? kDropCellVga : kDropCell;
    if (!g_ImageLists.dropButtons) return FALSE;
    return TransparentImage(dc, x, y, size.cx, size.cy, g_ImageLists.dropButtons, cell * size.cx, 0, size.cx, size.cy,
                            kMagentaKey);
}

void DrawDividerLine(HDC dc, int x1, int x2, int y, COLORREF solid) {
    if (GetThemeWord(kThemeTitleGradient) != 0)
        DrawThemeGradient(dc, POINT{x1, y}, POINT{x2, y}, false, FadeEnd::Right);
    else
        DrawColorLine(dc, x1, y, x2, y, solid);
}

void DrawArrowGlyph(HDC dc, int x, int y) {
    const bool vga = IsVgaScreen();
    const OwnedBitmap arrow(LoadBitmapW(g_Main.instance, MAKEINTRESOURCEW(vga ? kArrowBitmapVga : kArrowBitmap)));
    if (!arrow) return;
    const SIZE size = vga ? kArrowSizeVga : kArrowSize;
    TransparentImage(dc, x, vga ? y + 1 : y, size.cx, size.cy, arrow.Get(), 0, 0, size.cx, size.cy, kMagentaKey);
}

void DrawListGroupGlyphs(HDC dc, int right, int top, bool expanded, bool selected) {
    const bool vga = IsVgaScreen();
    DrawDropButton(dc, right - (vga ? 60 : 38), top + 4, expanded, GetThemeWord(kThemeDropButtonStyle));
    if (selected) DrawArrowGlyph(dc, right - (vga ? 78 : 48), top + 5);
}

void FillThemeSelRect(HDC dc, const RECT& rect, bool framed) {
    const COLORREF c = ThemeColor(kThemeSelColor);
    const LONG half = rect.top + (rect.bottom - rect.top) / 2;
    switch (GetThemeWord(kThemeSelStyle)) {
    case kSelFlat:
        FillColor(dc, rect, c);
        return;
    case kSelFrameOnly: {
        const int cut = framed ? 1 : 2;
        DrawFrameRect(dc, RECT{rect.left + 1, rect.top + 1, rect.right - cut, rect.bottom - cut}, c, Corners::Closed,
                      LineStyle::Solid, 0);
        return;
    }
    case kSelTwoTone:
        FillColor(dc, RECT{rect.left, rect.top, rect.right, half}, c);
        FillColor(dc, RECT{rect.left, half, rect.right, rect.bottom}, DarkenColor(c, kTwoToneDarken));
        return;
    case kSelGlossy: {
        FillColor(dc, rect, c);
        const int m = framed ? 0 : 2;
        DrawGradientLines(dc, RECT{rect.left + m, framed ? rect.top - 1 : rect.top + 1, rect.right - m, half - 3},
                          LightenColor(c, kSelShade), c);
        DrawGradientLines(dc, RECT{rect.left + m, rect.bottom - 5, rect.right - m, framed ? rect.bottom + 1 : rect.bottom - 1},
                          c, DarkenColor(c, kSelShade));
        return;
    }
    default:
        return;
    }
}

void DrawSelectionFrame(HDC dc, RECT rect, bool doubleFrame, bool framed) {
    const COLORREF selection = ThemeColor(kThemeSelColor);
    const COLORREF frame = ThemeColor(kThemeSelFrameColor);
    const bool whiteSelection = selection == kWhite;
    if (whiteSelection && !framed) {
        DrawFocusRect(dc, &rect);
        return;
    }
    if (!doubleFrame) {
        FillThemeSelRect(dc, rect, framed);
        rect.right -= 1;
        rect.bottom -= 1;
    }
    const LineStyle dashed = GetThemeWord(kThemeSelDashed) != 0 ? LineStyle::Dashed : LineStyle::Solid;
    DrawFrameRect(dc, rect, frame, Corners::Closed, dashed, 0);
    if (!doubleFrame) return;
    InflateRect(&rect, -1, -1);
    DrawFrameRect(dc, rect, framed && whiteSelection ? frame : selection, Corners::Closed, LineStyle::Solid, 0);
    InflateRect(&rect, -1, -1);
    DrawFrameRect(dc, rect, selection, Corners::Closed, LineStyle::Solid, 0);
    if (framed) FillThemeSelRect(dc, rect, framed);
}
