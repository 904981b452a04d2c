// Glyphs drawn from single bitmaps rather than image lists: the completion box, the busy-status
// marks, the tiny calendar marks, the task-due glyph, the contact field kinds and the spinner's hub.
#include <array>

#include "core/app_settings.h"
#include "core/frame_state.h"
#include "core/screen_class.h"
#include "platform/gdi.h"
#include "resources/resource.h"
#include "ui/draw_prims.h"
#include "ui/gdi_scope.h"
#include "ui/image_lists.h"
#include "ui/layout.h"
#include "ui/main_state.h"
#include "ui/theme_colors.h"

namespace {

// One check cell: its size and the bitmap loaded for the call (0: the shared strip).
struct CheckCell {
    int size;
    int bitmap;
};
struct CheckCells {
    CheckCell normal, smaller, smallest;
};
constexpr CheckCells kCheckQvga{{13, 0}, {11, IDB_CHECK_GLYPHS_11}, {8, IDB_CHECK_GLYPHS_8}};
constexpr CheckCells kCheckVga{{32, 0}, {13, IDB_CHECK_GLYPHS_13}, {11, IDB_CHECK_GLYPHS_11}};
constexpr CheckCell kCheckOther{11, 0};
constexpr int kCheckAdvanceExtra = 2;

constexpr SIZE kStateCell{11, 8};
constexpr SIZE kStateCellVga{16, 14};
constexpr int kStateCellsPerGroup = 3;
constexpr int kStateGroups = 4;
constexpr int kStateDefaultGroup = 2;
constexpr int kStateTop = 3;
constexpr int kStateThirdAdvance = 6;

constexpr int kTinyMark = 5;
enum TinyMarkCell : int { kMarkKind2 = 0, kMarkKind1 = 1, kMarkTaskDue = 2 };

constexpr SIZE kTaskDue{8, 8};
constexpr SIZE kTaskDueVga{11, 12};
constexpr int kTaskDueAdvance = 10;
constexpr int kTaskDueAdvanceVga = 14;

constexpr int kFieldKindAdvance176 = 10;
constexpr int kFieldKindAdvanceVga = 24;
constexpr int kFieldKindAdvance = 16;

constexpr int kDotRadius = 110;
constexpr int kDotRadiusLarge = 140;
constexpr int kDotDimAmount = 20;

HBITMAP LoadProgramBitmap(int id) { return LoadBitmapW(g_Main.instance, MAKEINTRESOURCEW(id)); }

// Draws the cell at column `cell` of a strip of equal cells, transparent.
void DrawStripCell(HDC dc, int x, int y, HBITMAP strip, int cell, SIZE size) {
    if (strip) TransparentImage(dc, x, y, size.cx, size.cy, strip, cell * size.cx, 0, size.cx, size.cy, kMagentaKey);
}

CheckCell PickCheckCell(bool smaller, bool smallest) {
    const bool vga = IsVgaScreen();
    if (!vga && !IsQvgaScreen()) return kCheckOther;
    const CheckCells& cells = vga ? kCheckVga : kCheckQvga;
    if (smallest) return cells.smallest;
    return smaller ? cells.smaller : cells.normal;
}

int DrawTinyMark(HDC dc, int x, int y, int cell) {
    const OwnedBitmap marks(LoadProgramBitmap(IDB_TINY_MARKS));
    DrawStripCell(dc, x, y, marks.Get(), cell, SIZE{kTinyMark, kTinyMark});
    return kTinyMark;
}

}  // namespace

int DrawCheckGlyph(HDC dc, int x, int y, bool checked, bool smaller, bool smallest) {
    const CheckCell cell = PickCheckCell(smaller, smallest);
    const int column = checked ? 1 : 0;
    const SIZE box{cell.size, cell.size};
    if (cell.bitmap == 0) {
        DrawStripCell(dc, x, y, g_ImageLists.checkGlyphs, column, box);
    } else {
        // Only the shared strip stays loaded; the other sizes are loaded for the call.
        const OwnedBitmap strip(LoadProgramBitmap(cell.bitmap));
        DrawStripCell(dc, x, y, strip.Get(), column, box);
    }
    return cell.size + kCheckAdvanceExtra;
}

int DrawStateGlyph(HDC dc, int x, int y, int mode, bool pair, LONG status) {
    return DrawStateGlyph(dc, x, y, mode, pair, status, false);
}

int DrawStateGlyph(HDC dc, int x, int y, int mode, bool pair, LONG status, bool smallOnVga) {
    const bool vgaCells = IsVgaScreen() && !smallOnVga;
    const SIZE size = vgaCells ? kStateCellVga : kStateCell;
    OwnedBitmap ownStrip;
    HBITMAP strip = g_ImageLists.stateGlyphs;
    if (IsVgaScreen() && smallOnVga) {
        ownStrip.Reset(LoadProgramBitmap(IDB_STATE_GLYPHS));
        strip = ownStrip.Get();
    }
    const bool known = status >= 0 && status < kStateGroups;
    const int group = g_Settings.statusColors && known ? status : kStateDefaultGroup;
    const int first = group * kStateCellsPerGroup;
    const int top = y + kStateTop;
    switch (mode) {
    case kStateFirstCell: DrawStripCell(dc, x, top, strip, first, size); break;
    case kStateSecondCell: DrawStripCell(dc, x, top, strip, first + 1, size); break;
    case kStatePair:
        if (pair) {
            DrawStripCell(dc, x, top, strip, first + 2, size);
            return kStateThirdAdvance;
        }
        DrawStripCell(dc, x, top, strip, first, size);
        DrawStripCell(dc, x + size.cx + 1, top, strip, first + 1, size);
        break;
    default: break;
    }
    return size.cx;
}

int DrawTinyMarkKind2(HDC dc, int x, int y) { return DrawTinyMark(dc, x, y, kMarkKind2); }
int DrawTinyMarkKind1(HDC dc, int x, int y) { return DrawTinyMark(dc, x, y, kMarkKind1); }
int DrawTinyTaskDueMark(HDC dc, int x, int y) { return DrawTinyMark(dc, x, y, kMarkTaskDue); }

int DrawFieldKindIcon(HDC dc, int x, int y, int index, bool show) {
    if (show && g_ImageLists.fieldKinds) ImageList_Draw(g_ImageLists.fieldKinds, index, dc, x, y, ILD_NORMAL);
    if (IsSmallScreen176()) return kFieldKindAdvance176;
    return IsVgaScreen() ? kFieldKindAdvanceVga : kFieldKindAdvance;
}

int DrawTaskDueGlyph(HDC dc, int x, int y) {
    const bool vga = IsVgaScreen();
    DrawStripCell(dc, x, y, g_ImageLists.taskDue, 0, vga ? kTaskDueVga : kTaskDue);
    return vga ? kTaskDueAdvanceVga : kTaskDueAdvance;
}

void DrawDot(HDC dc, DotSize size, DotShade shade) {
    RECT view{};
    GetViewClientRect(g_Frame.mainWnd, view);
    int radius = size == DotSize::Large ? kDotRadiusLarge : kDotRadius;
    if (IsVgaScreen()) radius *= 2;
    const int cx = (view.left + view.right) / 2;
    const int cy = (view.top + view.bottom) / 2;
    const COLORREF back = ThemeColor(kThemeBackground);
    const COLORREF colour = shade == DotShade::Dim ? DarkenColor(back, kDotDimAmount) : back;
    const OwnedPen pen(CreatePen(PS_SOLID, 1, colour));
    const OwnedBrush brush(CreateSolidBrush(colour));
    const SelectScope selectPen(dc, pen.Get());
    const SelectScope selectBrush(dc, brush.Get());
    Ellipse(dc, cx - radius, cy - radius, cx + radius, cy + radius);
}
