// The image lists and glyph bitmaps shared by the painters, made once for the screen class at
// start-up, and the routines that draw an icon or glyph at a point and give the advance to the next.
// Magenta is the transparent colour of every one of them.
#pragma once

#include "platform/commctrl.h"
#include "platform/types.h"

// Number of custom icons the icon picker offers, the initial count of the custom-icon lists.
inline constexpr int kCustomIconCount = 200;

struct ImageListSet {
    HIMAGELIST customSmall = nullptr;
    HIMAGELIST customTiny = nullptr;
    HIMAGELIST customLarge = nullptr;
    HIMAGELIST statusTiny = nullptr;
    HIMAGELIST statusSmall = nullptr;
    HIMAGELIST statusLarge = nullptr;
    HIMAGELIST callHistory = nullptr;
    HIMAGELIST callSummary = nullptr;
    HIMAGELIST fieldKinds = nullptr;
    HIMAGELIST weather = nullptr;
    HBITMAP dropButtons = nullptr;
    HBITMAP stateGlyphs = nullptr;
    HBITMAP checkGlyphs = nullptr;
    HBITMAP taskDue = nullptr;
    HBITMAP contactPicture = nullptr;
    HBITMAP contactPictureAlt = nullptr;
    // Where the lists draw the drop button and the arrow beside it, from a row's right edge.
    int dropButtonOffset = 38;
    int dropButtonInset = 10;
};

extern ImageListSet g_ImageLists;

void CreateAllImageLists();
void DestroyAllImageLists();
// A list of its own for a dialog's list view; the caller owns it.
HIMAGELIST CreateSmallIconImageList();

// The status-icon family: drawn when show is set; the advance is returned in any case.
enum class IconSize { Small, Large };
int DrawStatusIcon0(HDC dc, int x, int y, bool show, IconSize size, bool tiny);
int DrawStatusIcon2(HDC dc, int x, int y, IconSize size, bool tiny);
int DrawStatusIcon3(HDC dc, int x, int y, IconSize size, bool tiny);
int DrawStatusIcon8(HDC dc, int x, int y, bool show, IconSize size, bool tiny);
int DrawStatusIcon9(HDC dc, int x, int y, bool show, IconSize size, bool tiny);
int DrawStatusIcon10(HDC dc, int x, int y, bool show, IconSize size, bool tiny);
int DrawStatusIcon18(HDC dc, int x, int y, bool show, IconSize size, bool tiny);
int DrawStatusIcon19(HDC dc, int x, int y, bool show, IconSize size, bool tiny);
int DrawStatusIcon20(HDC dc, int x, int y, bool show, IconSize size, bool tiny);
int DrawCheckStateIcon(HDC dc, int x, int y, bool checked, bool show, IconSize size);
int DrawFourStateIcon(HDC dc, int x, int y, int state, bool show, IconSize size);
int GetStatusIconAdvance(IconSize size, bool tiny);
int GetIconAdvance(IconSize size, bool tiny);

// Custom icons by their position in the custom-icon lists.
void DrawCustomIcon(HDC dc, int x, int y, int icon, bool show);
void DrawSmallCustomIcon(HDC dc, int x, int y, int icon);
void DrawTinyCustomIcon(HDC dc, int x, int y, int icon, bool show);
void DrawCustomIconBySize(HDC dc, int x, int y, int icon, IconSize size, bool show);
int GetCustomIconWidth(IconSize size);

// Every pixel that is not black turns grey; with keepMagenta the transparent colour (and a near one)
// stays magenta.
void GreyBitmapInPlace(HDC dc, int width, int height, bool keepMagenta);
// Greys the source in place (unless height is 0) and copies it to (x, y).
void BltGrey(HDC dcTo, int x, int y, int width, int height, HDC dcFrom, bool keepMagenta);

// ---- Glyphs drawn from single bitmaps, the platform words and the spinner's hub ----

// The platform words DetectPlatformVersion sets from the system's version.
struct PlatformWords {
    LONG version52OrLater = 0;
    LONG major5OrLater = 0;
    LONG major3 = 0;
    LONG major4 = 0;
};
extern PlatformWords g_PlatformWords;

// Reads the system's version into g_PlatformWords and sets the start values of the two font sizes
// by screen class; runs once, before the settings are read.
void DetectPlatformVersion();

// A task's completion box, the second cell when checked, in the screen's size or a smaller one;
// returns the cell size + 2.
int DrawCheckGlyph(HDC dc, int x, int y, bool checked, bool smaller, bool smallest);
// How DrawStateGlyph draws the busy-status glyph.
enum StateGlyphMode : int {
    kStateSecondCell = 0,
    kStatePair = 1,
    kStateFirstCell = 2,
};
// A busy-status glyph drawn at (x, y + 3); returns the cell width (6 for the third cell).
int DrawStateGlyph(HDC dc, int x, int y, int mode, bool pair, LONG status, bool smallOnVga);
// The same with the screen's own strip.
int DrawStateGlyph(HDC dc, int x, int y, int mode, bool pair, LONG status);
// The 5 x 5 marks of the small calendar cells; each returns 5.
int DrawTinyMarkKind2(HDC dc, int x, int y);
int DrawTinyMarkKind1(HDC dc, int x, int y);
int DrawTinyTaskDueMark(HDC dc, int x, int y);
// The icon of a contact field kind; returns the advance.
int DrawFieldKindIcon(HDC dc, int x, int y, int index, bool show);
// The task-due glyph; returns the advance.
int DrawTaskDueGlyph(HDC dc, int x, int y);
enum class DotSize { Normal, Large };
enum class DotShade { Normal, Dim };
// The spinner's hub: a filled circle in the middle of the main window's view rectangle.
void DrawDot(HDC dc, DotSize size, DotShade shade);
