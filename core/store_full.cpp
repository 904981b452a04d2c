// The text of a save refused because the item's kind is full.
#include "core/store_full.h"

#include "core/poom_session.h"
#include "core/show_message.h"
#include "platform/text.h"
#include "platform/user.h"

namespace {

struct KindWords {
    OlItemType kind;
    OlDefaultFolders folder;
    const WCHAR* one;
    const WCHAR* plural;
};

constexpr KindWords kKindWords[] = {
    {olAppointmentItem, olFolderCalendar, u"appointment", u"appointments"},
    {olContactItem, olFolderContacts, u"contact", u"contacts"},
    {olTaskItem, olFolderTasks, u"task", u"tasks"},
};

int CountInFolder(OlDefaultFolders which) {
    IPOutlookApp* app = GetPoomApp();
    PoomPtr<IFolder> folder;
    PoomPtr<IPOutlookItemCollection> items;
    int count = 0;
    if (!app || FAILED(app->GetDefaultFolder(which, folder.Out())) || !folder ||
        FAILED(folder->get_Items(items.Out())) || !items || FAILED(items->get_Count(&count)))
        return -1;
    return count;
}

}  // namespace

bool IsStoreFull(HRESULT saved) { return saved == E_OUTOFMEMORY; }

std::u16string StoreFullText(OlItemType kind) {
    for (const KindWords& words : kKindWords) {
        if (words.kind != kind) continue;
        const int count = CountInFolder(words.folder);
        if (count < 0) return platform::FormatW(u"The store is full: it holds all the %s it can keep.", words.plural);
        return platform::FormatW(u"The store is full: it holds %d %s, the most it can keep.", count,
                                 count == 1 ? words.one : words.plural);
    }
    return u"The store is full.";
}

void ShowWhenStoreFull(HRESULT saved, OlItemType kind, HWND owner) {
    if (IsStoreFull(saved)) ShowMessage(owner, StoreFullText(kind).c_str(), MB_OK | MB_ICONEXCLAMATION);
}
