// The contact preview: a memory bitmap with the contact's lines, copied to the window.
#include "calendar/cts_preview.h"

#include <string>

#include "calendar/item_text.h"
#include "calendar/paint_helpers.h"
#include "core/anniv_list.h"
#include "core/app_settings.h"
#include "core/appt_readers.h"
#include "core/cts_loading.h"
#include "core/cts_name_index.h"
#include "core/cur_item.h"
#include "core/date_text.h"
#include "core/frame_state.h"
#include "core/id_index.h"
#include "core/month_cache_edit.h"
#include "core/screen_class.h"
#include "platform/gdi.h"
#include "ui/item_paint.h"
#include "ui/layout.h"

namespace {

constexpr int kMargin = 6;
constexpr int kLineGap = 2;
constexpr int kDateX = 26;
constexpr int kDateIconX = 12;

void Separator(HDC dc, const RECT& r, int y) {
    SolidLine(dc, r.left + 5, y, r.right - 5, y, ThemeColor(kThemeTitleSecondaryWord));
}

// The selected contact with its default field and notes flag, which a contact loaded by name only
// gets here whatever path opened the preview.
const CtsRecord* SelectedContact() {
    const LONG slot = IdIndexGet(g_CurItem.oid, g_CtsIdIndex);
    if (g_CurItem.oid == kNoOid || slot < 0 || slot >= g_CtsList.Size()) return nullptr;
    CtsRecord& contact = g_CtsList[slot];
    if (contact.detailsPending != 0) LoadCtsExtra(contact);
    return &contact;
}

}  // namespace

int DrawCtsPreview(HDC dc, bool draw) {
    RECT r{};
    GetViewClientRect(g_Frame.mainWnd, r);
    const MemoryCanvas canvas(dc, r.right - r.left, r.bottom - r.top);
    HDC mem = canvas.dc();
    if (draw) FillSolid(mem, r, ThemeColor(kThemeBackground));
    const CtsRecord* found = SelectedContact();
    if (!found) {
        if (draw) canvas.Present(dc);
        return 0;
    }
    const CtsRecord contact = *found;
    HWND mainWnd = g_Frame.mainWnd;
    {
        const SelectScope font(mem, TextFont());
        SetBkMode(mem, TRANSPARENT);
        const int h = TextExtent(mem, u"X").cy;
        int y = kMargin;
        DrawWrappedText(mem, GetCtsDisplayName(contact, g_Settings.firstLast), kMargin, y, r.right - 3, r.right - 3,
                        r.bottom, draw, kNoLimit, 0, false, kLineGap);
        y += 2;
        const int fitWidth = r.right - r.left - 10;
        if (!contact.company.empty()) {
            const std::u16string company = FitTextToWidth(mainWnd, contact.company, fitWidth, false, false, false);
            if (draw) DrawStrAt(mem, kMargin, y, company, 0);
            y += h + 4;
        }
        if (!contact.defaultText.empty()) {
            const std::u16string text = FitTextToWidth(mainWnd, contact.defaultText, fitWidth, false, false, false);
            if (draw) {
                DrawStatusIcon(mem, 16, y + 3, kIconFieldOpen, true, false, false);
                if (contact.defaultField != -1) DrawFieldIcon(mem, 26, y + 3, contact.defaultField);
                DrawStrAt(mem, 40, y, text, 0);
                DrawStatusIcon(mem, 46 + TextExtent(mem, text).cx, y + 3, kIconFieldClose, true, false, false);
            }
            y += h + 4;
        }
        if (draw) Separator(mem, r, y);
        int y2 = y + 5;
        const int iconDrop = IsQvgaScreen() ? 1 : 3;
        const int birthday = FindRecordByTwoKeys(contact.oid, kAnnivBirthday);
        if (birthday >= 0) {
            if (draw) {
                if (IsScreen240Plus()) DrawLargeStatusIcon(mem, kDateIconX, y2 + iconDrop, kIconBirthday);
                else DrawStatusIcon(mem, kDateIconX, y2 + iconDrop, kIconBirthday, true, false, false);
                const AnnivEntry entry = GetAnnivEntryAt(g_AnnivList, birthday);
                std::u16string text;
                FormatShortDate(text, DateRec(entry.date.wYear, entry.date.wMonth, entry.date.wDay));
                DrawStrAt(mem, kDateX, y2, text, 0);
            }
            y2 += h + 5;
        }
        const int anniversary = FindRecordByTwoKeys(contact.oid, kAnnivAnniversary);
        if (anniversary >= 0) {
            if (draw) {
                if (IsQvgaScreen()) DrawLargeStatusIcon(mem, kDateIconX, y2 + iconDrop, kIconAnniversary);
                else DrawStatusIcon(mem, kDateIconX, y2 + iconDrop, kIconAnniversary, true, false, false);
                const AnnivEntry entry = GetAnnivEntryAt(g_AnnivList, anniversary);
                std::u16string text;
                FormatShortDate(text, DateRec(entry.date.wYear, entry.date.wMonth, entry.date.wDay));
                DrawStrAt(mem, kDateX, y2, text, 0);
            }
            y2 += h + 2;
        }
        if (contact.hasNotes) {
            if (draw) Separator(mem, r, y2);
            y = y2 + 5;
            std::u16string notes;
            GetCtsTextProp(contact.oid, notes);
            if (!notes.empty())
                DrawWrappedText(mem, notes, kDateIconX, y, r.right - 3, r.right - 3, r.bottom, draw, kNoLimit, 0, false,
                                kLineGap);
        }
    }
    // A measuring pass leaves the window as it is: its bitmap holds nothing to show.
    if (draw) canvas.Present(dc);
    return 0;
}
