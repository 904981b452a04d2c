// Message boxes with the program's title as caption.
#include "core/show_message.h"

#include "platform/resources.h"
#include "platform/system.h"
#include "platform/user.h"
#include "resources/resource.h"

namespace {

// The title's room in the string table, and the title itself should the table lack it.
constexpr int kTitleChars = 64;
constexpr const WCHAR* kFallbackTitle = u"Vestral Agenda";

}  // namespace

int ShowMessage(HWND owner, LPCWSTR text, UINT flags) {
    WCHAR caption[kTitleChars] = {};
    if (LoadStringW(GetModuleHandleW(nullptr), IDS_PRODUCT_TITLE, caption, kTitleChars) <= 0)
        return MessageBoxW(owner, text, kFallbackTitle, flags);
    return MessageBoxW(owner, text, caption, flags);
}
