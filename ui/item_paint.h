// The toolkit's theme painting primitives and item glyphs as the calendar views draw with them:
// bands, frames, busy-status colours, status and check glyphs, span glyphs and item image lists.
#pragma once

#include <string_view>

#include "platform/types.h"
#include "ui/draw_prims.h"
#include "ui/image_lists.h"
#include "ui/themed_bars.h"

// Status icon numbers of the status image list.
enum StatusIconId : int {
    kIconPrivate = 0,
    kIconBirthday = 2,
    kIconAnniversary = 3,
    kIconRecurring = 8,
    kIconNotes = 9,
    kIconAlarm = 10,
    kIconLowImportance = 11,
    kIconHighImportance = 12,
    kIconDateMarkBoth = 13,
    kIconFieldOpen = 14,
    kIconFieldClose = 15,
    kIconMeeting = 18,
    kIconProject = 19,
    kIconLinks = 20,
};

// The category and custom icon lists by size.
enum class ItemImageList { Small, Medium, Large };

void DrawStrAt(HDC dc, int x, int y, std::u16string_view text, int mode);

// Glyph painters; each returns its advance.
int DrawStatusIcon(HDC dc, int x, int y, int icon, bool draw, bool big, bool vgaSmall);
int DrawLargeStatusIcon(HDC dc, int x, int y, int icon);
int DrawCheckGlyph(HDC dc, int x, int y, bool checked, bool large, bool compact);
int DrawStateGlyph(HDC dc, int x, int y, int position, bool compact, LONG busyStatus);
int DrawTaskDueGlyph(HDC dc, int x, int y);
void DrawLargeListIcon(HDC dc, int x, int y, int icon);
// Draws one icon of a category or custom icon list (ImageList_Draw, normal style).
void DrawItemImage(HDC dc, ItemImageList list, int icon, int x, int y);
// The default-field icon of a contact field.
void DrawFieldIcon(HDC dc, int x, int y, LONG field);
