// The item glyphs the calendar views draw by icon number: status icons in the row's size, the
// custom and category icons of the item image lists, and the default-field icon of a contact.
#include "core/screen_class.h"
#include "platform/commctrl.h"
#include "ui/item_paint.h"

namespace {

using ShowIcon = int (*)(HDC, int, int, bool, IconSize, bool);

struct StatusRoutine {
    int icon;
    ShowIcon draw;
};
// The icons that have their own routine in the status family.
constexpr StatusRoutine kStatusRoutines[] = {
    {kIconPrivate, DrawStatusIcon0},  {kIconRecurring, DrawStatusIcon8}, {kIconNotes, DrawStatusIcon9},
    {kIconAlarm, DrawStatusIcon10},   {kIconMeeting, DrawStatusIcon18},  {kIconProject, DrawStatusIcon19},
    {kIconLinks, DrawStatusIcon20},
};
// The birthday glyph is two pixels wider than the rest of the family.
constexpr int kWideExtra = 2;

HIMAGELIST StatusListFor(IconSize size, bool tiny) {
    if (tiny && IsVgaScreen() && g_ImageLists.statusTiny) return g_ImageLists.statusTiny;
    return size == IconSize::Large ? g_ImageLists.statusLarge : g_ImageLists.statusSmall;
}

}  // namespace

int DrawStatusIcon(HDC dc, int x, int y, int icon, bool draw, bool big, bool vgaSmall) {
    const IconSize size = big ? IconSize::Large : IconSize::Small;
    for (const StatusRoutine& routine : kStatusRoutines)
        if (routine.icon == icon) return routine.draw(dc, x, y, draw, size, vgaSmall);
    switch (icon) {
    case kIconBirthday:
        return draw ? DrawStatusIcon2(dc, x, y, size, vgaSmall) : GetStatusIconAdvance(size, vgaSmall) + kWideExtra;
    case kIconAnniversary: return draw ? DrawStatusIcon3(dc, x, y, size, vgaSmall) : GetStatusIconAdvance(size, vgaSmall);
    case kIconLowImportance:
    case kIconHighImportance: return DrawCheckStateIcon(dc, x, y, icon == kIconHighImportance, draw, size);
    }
    const HIMAGELIST list = StatusListFor(size, vgaSmall);
    if (draw && list) ImageList_Draw(list, icon, dc, x, y, ILD_NORMAL);
    return GetStatusIconAdvance(size, vgaSmall);
}

int DrawLargeStatusIcon(HDC dc, int x, int y, int icon) { return DrawStatusIcon(dc, x, y, icon, true, true, false); }

void DrawLargeListIcon(HDC dc, int x, int y, int icon) { DrawCustomIcon(dc, x, y, icon, true); }

void DrawItemImage(HDC dc, ItemImageList list, int icon, int x, int y) {
    switch (list) {
    case ItemImageList::Small: DrawSmallCustomIcon(dc, x, y, icon); return;
    case ItemImageList::Large: DrawCustomIcon(dc, x, y, icon, true); return;
    case ItemImageList::Medium:
        // The 12-pixel pictures: the small list on VGA, the large one on smaller screens.
        DrawCustomIconBySize(dc, x, y, icon, IsVgaScreen() ? IconSize::Small : IconSize::Large, true);
        return;
    }
}

void DrawFieldIcon(HDC dc, int x, int y, LONG field) { DrawFieldKindIcon(dc, x, y, static_cast<int>(field), true); }
