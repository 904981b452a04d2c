// The shared image lists and glyph bitmaps by screen class, and the icon routines that draw from
// them. A list whose bitmap is missing stays empty and a glyph stays null: drawing from either draws
// nothing.
#include "ui/image_lists.h"

#include <array>

#include "core/screen_class.h"
#include "platform/gdi.h"
#include "resources/resource.h"
#include "ui/draw_prims.h"
#include "ui/gdi_scope.h"
#include "ui/main_state.h"

ImageListSet g_ImageLists;

namespace {

constexpr int kGrowStep = 5;
constexpr int kStatusIconCount = 20;

// One list's size and bitmap on a screen class; size 0 means the list is not made there.
struct ListSource {
    int size;
    int bitmap;
};

enum class ScreenKind { Vga, Square320, Other };

struct ListDef {
    HIMAGELIST ImageListSet::*list;
    ListSource vga;
    ListSource square320;
    ListSource other;
    int initial;
};

// In the order they are made: custom icons, call history, status icons, call summary, field kinds,
// weather.
constexpr std::array<ListDef, 10> kListTable{{
    {&ImageListSet::customSmall, {12, IDB_CUSTOM_ICONS_12}, {12, IDB_CUSTOM_ICONS_12}, {8, IDB_CUSTOM_ICONS_8}, kCustomIconCount},
    {&ImageListSet::customTiny, {8, IDB_CUSTOM_ICONS_8}, {8, IDB_CUSTOM_ICONS_8}, {0, 0}, kCustomIconCount},
    {&ImageListSet::customLarge, {24, IDB_CUSTOM_ICONS_24}, {16, IDB_CUSTOM_ICONS_16}, {12, IDB_CUSTOM_ICONS_12}, kCustomIconCount},
    {&ImageListSet::callHistory, {32, IDB_CALL_HISTORY_32}, {32, IDB_CALL_HISTORY_32}, {32, IDB_CALL_HISTORY_32}, 4},
    {&ImageListSet::statusTiny, {8, IDB_STATUS_ICONS_8}, {0, 0}, {0, 0}, kStatusIconCount},
    {&ImageListSet::statusSmall, {12, IDB_STATUS_ICONS_12}, {8, IDB_STATUS_ICONS_8}, {8, IDB_STATUS_ICONS_8}, kStatusIconCount},
    {&ImageListSet::statusLarge, {24, IDB_STATUS_ICONS_24}, {12, IDB_STATUS_ICONS_12}, {12, IDB_STATUS_ICONS_12}, kStatusIconCount},
    {&ImageListSet::callSummary, {16, IDB_CALL_SUMMARY_16}, {16, IDB_CALL_SUMMARY_16}, {16, IDB_CALL_SUMMARY_16}, 13},
    {&ImageListSet::fieldKinds, {24, IDB_FIELD_KINDS_24}, {16, IDB_FIELD_KINDS_16}, {0, 0}, 12},  // "other" below
    {&ImageListSet::weather, {10, IDB_WEATHER_10}, {10, IDB_WEATHER_10}, {10, IDB_WEATHER_10}, 13},
}};

// The field-kind list differs between the screens that the table's "other" column covers.
constexpr ListSource kFieldKindsQvga{16, IDB_FIELD_KINDS_16};
constexpr ListSource kFieldKinds176{8, IDB_FIELD_KINDS_8};

struct GlyphDef {
    HBITMAP ImageListSet::*glyph;
    int vga;
    int qvga;
    int other;
};

constexpr std::array<GlyphDef, 6> kGlyphTable{{
    {&ImageListSet::dropButtons, IDB_DROP_BUTTONS_VGA, IDB_DROP_BUTTONS, IDB_DROP_BUTTONS},
    {&ImageListSet::stateGlyphs, IDB_STATE_GLYPHS_VGA, IDB_STATE_GLYPHS, IDB_STATE_GLYPHS},
    {&ImageListSet::checkGlyphs, IDB_CHECK_GLYPHS_32, IDB_CHECK_GLYPHS_13, IDB_CHECK_GLYPHS_11},
    {&ImageListSet::taskDue, IDB_TASK_DUE_VGA, IDB_TASK_DUE, IDB_TASK_DUE},
    {&ImageListSet::contactPicture, IDB_CONTACT_PICTURE, IDB_CONTACT_PICTURE, IDB_CONTACT_PICTURE},
    {&ImageListSet::contactPictureAlt, IDB_CONTACT_PICTURE_ALT, IDB_CONTACT_PICTURE_ALT, IDB_CONTACT_PICTURE_ALT},
}};

constexpr int kDropOffsetVga = 60;
constexpr int kDropInsetVga = 18;
constexpr int kDropOffset = 38;
constexpr int kDropInset = 10;

struct SmallIconSource {
    ListSource qvgaOr320;
    ListSource vga;
    ListSource other;
};
constexpr SmallIconSource kSmallIconList{{22, IDB_ITEM_KINDS_22}, {32, IDB_ITEM_KINDS_32}, {16, IDB_ITEM_KINDS_16}};
constexpr int kSmallIconInitial = 4;

// Advances of the status-icon family: tiny; small on VGA / other; large on VGA / other.
struct Advance {
    int tiny, smallVga, small, largeVga, large;
};
constexpr Advance kStatusAdvance{10, 14, 10, 27, 14};
constexpr Advance kWideStatusAdvance{12, 16, 12, 29, 16};
constexpr Advance kIconAdvance{8, 12, 8, 24, 12};

constexpr int kCheckedIcon = 12;
constexpr int kUncheckedIcon = 11;
constexpr int kFourStateFirst = 4;
constexpr int kFourStateCount = 4;

ScreenKind CurrentScreenKind() {
    if (IsVgaScreen()) return ScreenKind::Vga;
    if (IsSquare320Screen()) return ScreenKind::Square320;
    return ScreenKind::Other;
}

HBITMAP LoadProgramBitmap(int id) { return LoadBitmapW(g_Main.instance, MAKEINTRESOURCEW(id)); }

HIMAGELIST MakeList(ListSource source, int initial) {
    const HIMAGELIST list = ImageList_Create(source.size, source.size, ILC_MASK, initial, kGrowStep);
    const OwnedBitmap bitmap(LoadProgramBitmap(source.bitmap));
    if (list && bitmap) ImageList_AddMasked(list, bitmap.Get(), kMagentaKey);
    return list;
}

ListSource SourceFor(const ListDef& def, ScreenKind screen) {
    if (def.list == &ImageListSet::fieldKinds && screen == ScreenKind::Other) {
        if (IsQvgaScreen()) return kFieldKindsQvga;
        if (IsSmallScreen176()) return kFieldKinds176;
        return ListSource{0, 0};
    }
    switch (screen) {
    case ScreenKind::Vga: return def.vga;
    case ScreenKind::Square320: return def.square320;
    case ScreenKind::Other: return def.other;
    }
    return def.other;
}

int AdvanceOf(const Advance& advance, IconSize size, bool tiny) {
    if (tiny) return advance.tiny;
    const bool vga = IsVgaScreen();
    if (size == IconSize::Large) return vga ? advance.largeVga : advance.large;
    return vga ? advance.smallVga : advance.small;
}

void DrawFromList(HIMAGELIST list, int icon, HDC dc, int x, int y) {
    if (list) ImageList_Draw(list, icon, dc, x, y, ILD_NORMAL);
}

HIMAGELIST StatusList(IconSize size, bool tiny) {
    if (tiny && IsVgaScreen()) return g_ImageLists.statusTiny;
    return size == IconSize::Large ? g_ImageLists.statusLarge : g_ImageLists.statusSmall;
}

int StatusIcon(HDC dc, int x, int y, int icon, bool show, IconSize size, bool tiny, const Advance& advance) {
    if (show) DrawFromList(StatusList(size, tiny), icon, dc, x, y);
    return AdvanceOf(advance, size, tiny);
}

bool IsBlack(COLORREF colour) { return (colour & 0xFFFFFF) == 0; }

bool IsNearMagenta(COLORREF colour) {
    constexpr int kNearGreenBelow = 10;
    return GetRValue(colour) == 255 && GetGValue(colour) < kNearGreenBelow && GetBValue(colour) == 255;
}

COLORREF GreyOf(COLORREF colour) {
    const auto g = static_cast<BYTE>(0.299 * GetRValue(colour) + 0.587 * GetGValue(colour) + 0.114 * GetBValue(colour));
    return RGB(g, g, g);
}

enum class NearMagenta { Keep, Snap };

void GreyPixels(HDC dc, int width, int height, bool keepMagenta, NearMagenta near) {
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF colour = GetPixel(dc, x, y);
            if (keepMagenta && colour == kMagentaKey) continue;
            if (keepMagenta && near == NearMagenta::Snap && IsNearMagenta(colour)) {
                SetPixel(dc, x, y, kMagentaKey);
            } else if (!IsBlack(colour)) {
                SetPixel(dc, x, y, GreyOf(colour));
            }
        }
    }
}

}  // namespace

void CreateAllImageLists() {
    const ScreenKind screen = CurrentScreenKind();
    for (const ListDef& def : kListTable) {
        const ListSource source = SourceFor(def, screen);
        if (source.size > 0) g_ImageLists.*def.list = MakeList(source, def.initial);
    }
    const bool vga = screen == ScreenKind::Vga;
    for (const GlyphDef& def : kGlyphTable) {
        const int id = vga ? def.vga : IsQvgaScreen() ? def.qvga : def.other;
        g_ImageLists.*def.glyph = LoadProgramBitmap(id);
    }
    g_ImageLists.dropButtonOffset = vga ? kDropOffsetVga : kDropOffset;
    g_ImageLists.dropButtonInset = vga ? kDropInsetVga : kDropInset;
}

void DestroyAllImageLists() {
    for (const ListDef& def : kListTable) {
        HIMAGELIST& list = g_ImageLists.*def.list;
        if (list) ImageList_Destroy(list);
        list = nullptr;
    }
    for (const GlyphDef& def : kGlyphTable) {
        HBITMAP& glyph = g_ImageLists.*def.glyph;
        if (glyph) DeleteObject(glyph);
        glyph = nullptr;
    }
}

HIMAGELIST CreateSmallIconImageList() {
    const ListSource source = IsVgaScreen()                                 ? kSmallIconList.vga
                              : (IsQvgaScreen() || IsSquare320Screen()) ? kSmallIconList.qvgaOr320
                                                                            : kSmallIconList.other;
    return MakeList(source, kSmallIconInitial);
}

int DrawStatusIcon0(HDC dc, int x, int y, bool show, IconSize size, bool tiny) {
    return StatusIcon(dc, x, y, 0, show, size, tiny, kStatusAdvance);
}
int DrawStatusIcon2(HDC dc, int x, int y, IconSize size, bool tiny) {
    return StatusIcon(dc, x, y, 2, true, size, tiny, kWideStatusAdvance);
}
int DrawStatusIcon3(HDC dc, int x, int y, IconSize size, bool tiny) {
    return StatusIcon(dc, x, y, 3, true, size, tiny, kStatusAdvance);
}
int DrawStatusIcon8(HDC dc, int x, int y, bool show, IconSize size, bool tiny) {
    return StatusIcon(dc, x, y, 8, show, size, tiny, kStatusAdvance);
}
int DrawStatusIcon9(HDC dc, int x, int y, bool show, IconSize size, bool tiny) {
    return StatusIcon(dc, x, y, 9, show, size, tiny, kStatusAdvance);
}
int DrawStatusIcon10(HDC dc, int x, int y, bool show, IconSize size, bool tiny) {
    return StatusIcon(dc, x, y, 10, show, size, tiny, kStatusAdvance);
}
int DrawStatusIcon18(HDC dc, int x, int y, bool show, IconSize size, bool tiny) {
    return StatusIcon(dc, x, y, 18, show, size, tiny, kStatusAdvance);
}
int DrawStatusIcon19(HDC dc, int x, int y, bool show, IconSize size, bool tiny) {
    // The project icon draws tiny but advances as a small or large one: rows line up after it.
    if (show) DrawFromList(StatusList(size, tiny), 19, dc, x, y);
    return AdvanceOf(kStatusAdvance, size, false);
}
int DrawStatusIcon20(HDC dc, int x, int y, bool show, IconSize size, bool tiny) {
    return StatusIcon(dc, x, y, 20, show, size, tiny, kStatusAdvance);
}

int DrawCheckStateIcon(HDC dc, int x, int y, bool checked, bool show, IconSize size) {
    return StatusIcon(dc, x, y, checked ? kCheckedIcon : kUncheckedIcon, show, size, false, kStatusAdvance);
}

int DrawFourStateIcon(HDC dc, int x, int y, int state, bool show, IconSize size) {
    const bool known = state >= 0 && state < kFourStateCount;
    return StatusIcon(dc, x, y, kFourStateFirst + state, show && known, size, false, kWideStatusAdvance);
}

int GetStatusIconAdvance(IconSize size, bool tiny) { return AdvanceOf(kStatusAdvance, size, tiny); }

int GetIconAdvance(IconSize size, bool tiny) { return AdvanceOf(kIconAdvance, size, tiny); }

void DrawCustomIcon(HDC dc, int x, int y, int icon, bool show) {
    if (show) DrawFromList(g_ImageLists.customLarge, icon, dc, x, y);
}

void DrawSmallCustomIcon(HDC dc, int x, int y, int icon) { DrawFromList(g_ImageLists.customSmall, icon, dc, x, y); }

void DrawTinyCustomIcon(HDC dc, int x, int y, int icon, bool show) {
    if (!show) return;
    // Where there is no tiny list the small one already holds the 8x8 pictures.
    DrawFromList(g_ImageLists.customTiny ? g_ImageLists.customTiny : g_ImageLists.customSmall, icon, dc, x, y);
}

void DrawCustomIconBySize(HDC dc, int x, int y, int icon, IconSize size, bool show) {
    if (show) DrawFromList(size == IconSize::Large ? g_ImageLists.customLarge : g_ImageLists.customSmall, icon, dc, x, y);
}

int GetCustomIconWidth(IconSize size) {
    const bool large = size == IconSize::Large;
    if (IsSquare320Screen()) return large ? 16 : 12;
    if (IsVgaScreen()) return large ? 24 : 16;
    return large ? 12 : 8;
}

void GreyBitmapInPlace(HDC dc, int width, int height, bool keepMagenta) {
    GreyPixels(dc, width, height, keepMagenta, NearMagenta::Snap);
}

void BltGrey(HDC dcTo, int x, int y, int width, int height, HDC dcFrom, bool keepMagenta) {
    GreyPixels(dcFrom, width, height, keepMagenta, NearMagenta::Keep);
    BitBlt(dcTo, x, y, width, height, dcFrom, 0, 0, SRCCOPY);
}
