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
