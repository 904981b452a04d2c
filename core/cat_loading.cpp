// Category loading and the commands that add categories.
//
//  1. The list is replaced only by a table that was read whole; a failed read keeps the list.
//  2. A failed read that leaves the list empty marks it failed (it holds no load at all), and
//     "catinfo.dat" is not written until a load succeeds; a kept list of an earlier load may be.
#include "core/cat_loading.h"

#include "core/cat_file.h"
#include "core/cat_record.h"
#include "core/log_file.h"
#include "core/os_version.h"
#include "core/poom_session.h"
#include "core/show_message.h"
#include "core/text_util.h"
#include "platform/controls.h"
#include "platform/resources.h"
#include "platform/system.h"
#include "platform/user.h"
#include "resources/resource.h"


namespace {

// Set by a failed read that left the list empty, cleared by the next successful load.
bool& ListFailed() {
    static bool failed = false;
    return failed;
}

}  // namespace

int LoadCategories() {
    CatArray previous;
    CopyCatList(g_CatList, previous);
    if (IsOsMajor5OrLater() && !ReloadCatsDirect()) {
        WriteLog(u"Categories could not be read from the PIM store");
        if (g_CatList.IsEmpty()) ListFailed() = true;
        return 0;
    }
    MergeCategoriesFromFile(previous);
    ListFailed() = false;
    return 1;
}

int ReloadCategories() {
    const int result = LoadCategories();
    ReloadCategoryAssoc();
    return result;
}

bool CatListFailedToLoad() { return ListFailed(); }

int AddCatToCurItem(LONG oid, const std::u16string& name) {
    const PoomPtr<IContact> contact = GetPoomItem<IContact>(GetPoomApp(), oid, IID_IContact);
    if (!contact) return 0;
    BSTR stored = nullptr;
    const HRESULT hr = contact->get_Categories(&stored);
    std::u16string text = TakeBstr(stored);
    if (FAILED(hr)) return 0;
    if (!CatListHas(text, name)) {
        // A contact without categories gets the name alone, not ",name".
        text = TrimSpaces(text).empty() ? name : text + u"," + name;
        if (FAILED(contact->put_Categories(text.c_str())) || FAILED(contact->Save())) return 0;
    }
    if (!CatNameExists(name)) AddCatSorted(name);
    return 1;
}
