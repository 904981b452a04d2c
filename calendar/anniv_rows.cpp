// The birthday and anniversary rows of the schedule list: the one-line row with the kind's icon and
// label in the time column, and the two-line row led by the contact's picture.
#include <algorithm>
#include <string>

#include "calendar/sched_rows.h"
#include "core/anniv_list.h"
#include "core/app_settings.h"
#include "core/res_string.h"
#include "core/screen_class.h"
#include "core/theme.h"
#include "core/theme_words.h"
#include "lists/cts_picture.h"
#include "platform/gdi.h"
#include "resources/resource.h"
#include "ui/draw_prims.h"
#include "ui/gdi_scope.h"
#include "ui/image_lists.h"
#include "ui/layout.h"
#include "ui/main_state.h"
#include "ui/text_wrap.h"
#include "ui/theme_pictures.h"

namespace {

constexpr int kThemePrimaryTextWord = 8;
constexpr int kThemeAltBackgroundWord = 3;
constexpr int kThemeBackgroundWord = 10;
constexpr int kThemeItemBorderWord = 11;
constexpr int kBoxEdgeDarken = 40;
constexpr int kIconX = 8;
constexpr int kVgaIconX = 16;
constexpr int kVgaRowExtra = 10;
// The Day list's text moves this far right past a photo.
constexpr int kPhotoIndent = 25;

COLORREF Word(int word) { return static_cast<COLORREF>(GetThemeWord(word)); }

int LineHeight(HDC dc) {
    SIZE size{};
    GetTextExtentPoint32W(dc, u"XXX", 3, &size);
    return size.cy;
}

void TextAt(HDC dc, int x, int y, const std::u16string& text) { ReadableTextOut(dc, x, y, text); }

std::u16string KindLabel(const AnnivEntry& entry) {
    return entry.kind == kAnnivBirthday ? LoadResString(IDS_BIRTHDAY, u"Birthday")
                                        : LoadResString(IDS_ANNIVERSARY, u"Anniversary");
}

// The birthday or anniversary status icon; its advance.
int DrawKindIcon(HDC dc, int x, int y, const AnnivEntry& entry) {
    const IconSize size = IsVgaScreen() ? IconSize::Large : IconSize::Small;
    return entry.kind == kAnnivBirthday ? DrawStatusIcon2(dc, x, y, size, false) : DrawStatusIcon3(dc, x, y, size, false);
}

HFONT MakeTimeFont() {
    LOGFONTW font{};
    InitLogFont(font, std::min(g_Settings.fontSize, g_Settings.smallFontHeight), false, false);
    return CreateFontIndirectW(&font);
}

int PictureSide() {
    if (IsVgaScreen()) return 32;
    return g_Settings.fontSize < 17 ? 12 : 18;
}

// How far the Day list's photo sits below the row's top for the font size.
int PhotoDrop() {
    switch (g_Settings.fontSize) {
    case 18: return 1;
    case 20: return 2;
    case 22: return 3;
    default: return 0;
    }
}

void FillBox(HDC dc, const RECT& box, COLORREF fill, COLORREF edge) {
    if (!HasBackPicture()) {
        OwnedBrush brush(CreateSolidBrush(fill));
        FillRect(dc, &box, brush.Get());
    }
    DrawFrameRect(dc, RECT{box.left, box.top, box.right - 1, box.bottom - 1}, edge, Corners::Closed, LineStyle::Solid,
                  0);
}

}  // namespace

int GetSchedAnnivRowHeight() {
    const LONG size = g_Settings.fontSize;
    if (IsQvgaScreen()) return size < 17 ? 30 : 38;
    if (IsSquare320Screen()) return size < 19 ? 34 : 42;
    if (IsVgaScreen()) return size < 25 ? 46 : 52;
    return 38;
}

int DrawAnnivRow(HDC dc, HWND window, int x, int y, const AnnivEntry& entry, int shownYear, LONG alternate, int draw,
                 int noBox, bool selected) {
    const int saved = SaveDC(dc);
    SelectObject(dc, g_Main.themeFonts[kFontNormal]);
    const int height = LineHeight(dc) + (IsVgaScreen() ? kVgaRowExtra : 0);
    if (!draw) {
        RestoreDC(dc, saved);
        return height;
    }
    RECT client{};
    GetViewClientRect(window, client);
    const int column = SchedTimeColWidth();
    int width = client.right - column - 7;
    if (!noBox) DrawThemedItemBox(dc, RECT{client.left, y, client.right, y + height}, alternate != 0, selected, 0, false, true);
    SetBkMode(dc, TRANSPARENT);
    OwnedFont timeFont(MakeTimeFont());
    SelectObject(dc, timeFont.Get());
    SetTextColor(dc, GetGreyForBackground(noBox != 0));
    const bool qvga = IsQvgaScreen();
    const int drop = qvga && g_Settings.fontSize > g_Settings.smallFontHeight ? 2 : 0;
    const int advance = DrawKindIcon(dc, x, y + (qvga ? 1 : 3) + drop, entry);
    if (g_Settings.startEnd) TextAt(dc, x + advance + 2, y + drop, KindLabel(entry));
    SelectObject(dc, g_Main.themeFonts[kFontNormal]);
    SetTextColor(dc, Word(kThemePrimaryTextWord));
    int textX = column;
    if (qvga) {
        // The photo only where the contact has one of its own.
        if (HBITMAP photo = DrawCtsPicture(dc, column + 3, y, entry.contactOid, false, PictureSide(), true, true)) {
            DrawPictureFramed(dc, column + 3, y + PhotoDrop(), photo, PictureSide());
            DeleteObject(photo);
            textX += kPhotoIndent;
            width -= kPhotoIndent + 1;
        }
    }
    TextAt(dc, textX, y, FitTextWithEllipsis(dc, FormatAnnivAgeText(entry, shownYear), width));
    RestoreDC(dc, saved);
    return height;
}

void DrawAnnivRowB(HDC dc, const RECT& row, const AnnivEntry& entry, int shownYear, LONG alternate, int draw,
                   int noBox, bool selected) {
    if (!draw) return;
    const int saved = SaveDC(dc);
    if (!noBox) {
        DrawThemedItemBox(dc, RECT{row.left + 2, row.top + 2, row.right - 2, row.bottom}, alternate != 0, 0, 0, false,
                          true);
    }
    SetBkMode(dc, TRANSPARENT);
    OwnedFont timeFont(MakeTimeFont());
    SelectObject(dc, timeFont.Get());
    const int lineHeight = LineHeight(dc);
    const int y = row.top + (row.bottom - row.top) / 2 - lineHeight / 2;
    const int iconX = row.left + (IsVgaScreen() ? kVgaIconX : kIconX);
    const int advance = DrawKindIcon(dc, iconX, y + 1, entry);
    SetTextColor(dc, GetGreyForBackground(selected));
    if (g_Settings.startEnd) TextAt(dc, iconX + advance + 2, y, KindLabel(entry));
    SelectObject(dc, g_Main.themeFonts[kFontNormal]);
    SetTextColor(dc, Word(kThemePrimaryTextWord));
    const int column = row.left + SchedTimeColWidth();
    int textX = column;
    int width = row.right - column - 7;
    if (!IsSmallScreen176()) {
        const int side = PictureSide();
        DrawCtsPicture(dc, column + 3, y + (lineHeight - side) / 2, entry.contactOid, false, side, true, false);
        textX = column + side + 7;
        width -= side + 8;
    }
    TextAt(dc, textX, y, FitTextWithEllipsis(dc, FormatAnnivAgeText(entry, shownYear), width));
    RestoreDC(dc, saved);
}

void DrawAnnivRowC(HDC dc, const RECT& row, const AnnivEntry& entry, int shownYear, LONG alternate, int noBox) {
    const int saved = SaveDC(dc);
    SelectObject(dc, g_Main.themeFonts[kFontBold]);
    const int lineHeight = LineHeight(dc);
    const LONG style = GetThemeWord(kThemeListBackground);
    const RECT box{row.left + 2, row.top + 1, row.right - 2, row.bottom};
    if (!noBox && style == 0) {
        if (!alternate) FillBox(dc, box, Word(kThemeAltBackgroundWord), DarkenColor(Word(kThemeAltBackgroundWord), kBoxEdgeDarken));
        else FillBox(dc, box, Word(kThemeBackgroundWord), Word(kThemeItemBorderWord));
    } else if (!noBox && style == 1) {
        FillBox(dc, box, Word(kThemeBackgroundWord), Word(kThemeItemBorderWord));
    } else if (!noBox && style == 2) {
        DrawFrameRect(dc, RECT{row.left + 12, row.bottom - 1, row.right - 12, row.bottom - 1}, Word(kThemeItemBorderWord),
                      Corners::Open, LineStyle::Dashed, 0);
    } else if (!noBox && style == 5) {
        DrawColorLine(dc, row.left, row.bottom - 1, row.right, row.bottom - 1, Word(kThemeItemBorderWord));
    } else if (!noBox && style == 4) {
        DrawGradientLines(dc, box, Word(kThemeItemBorderWord), Word(kThemeBackgroundWord));
    }
    const int side = GetSchedAnnivRowHeight();
    DrawCtsPicture(dc, row.left + 6, row.top + 3, entry.contactOid, false, side, true, false);
    const int column = row.left + 6 + side + 10;
    const int height = row.bottom - row.top;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Word(kThemePrimaryTextWord));
    TextAt(dc, column, row.top + height / 4 - lineHeight / 2, FitTextWithEllipsis(dc, FormatAnnivAgeText(entry, shownYear), row.right - column));
    SelectObject(dc, g_Main.themeFonts[kFontNormal]);
    const int secondY = row.top + 3 * height / 4 - LineHeight(dc) / 2;
    const bool bigDrop = IsSmallScreen176() || IsVgaScreen() || (IsQvgaScreen() && g_Settings.fontSize > 16) ||
                         (IsSquare320Screen() && g_Settings.fontSize > 18);
    const int advance = DrawKindIcon(dc, column, secondY + (bigDrop ? 4 : 2), entry);
    TextAt(dc, column + advance + 2, secondY, KindLabel(entry));
    RestoreDC(dc, saved);
}
