// The checks of the wallet file and item dialogs and the making of a new item.
#include "wallet/wlt_dialog_checks.h"

#include "core/ansi_text.h"
#include "core/record_file.h"
#include "core/text_util.h"
#include "platform/text.h"
#include "resources/resource.h"

std::optional<WltRefusal> CheckWltFileInput(const WltFileInput& input) {
    // A name of blanks alone would make the file ".zqw" with no name.
    if (input.newFile && TrimSpaces(input.name).empty()) return WltRefusal{u"Wallet File Name Required.", IDC_WLT_FILE_NAME};
    if (input.newFile && TrimSpaces(input.name).find(u'?') != std::u16string::npos)
        return WltRefusal{u"A '?' is not allowed in the file name.", IDC_WLT_FILE_NAME};
    // The new wallet is written by its first saved change, which would replace the file there.
    if (input.newFile && input.fileExists) return WltRefusal{kWltFileExistsText, IDC_WLT_FILE_NAME};
    if (input.secure && input.password.empty()) return WltRefusal{u"Password Required on Secure File.", IDC_WLT_PASSWORD};
    if (input.secure && input.password != input.confirm)
        return WltRefusal{u"Passwords do not match. Please re-enter passwords.", IDC_WLT_PASSWORD};
    // Only a new password is checked: a wallet opens with the conversion it was written with.
    if (input.secure && !AnsiHoldsAll(input.password)) return WltRefusal{kWltPasswordCharsText, IDC_WLT_PASSWORD};
    return std::nullopt;
}

std::optional<std::u16string> WltPasswordLengthWarning(const std::u16string& password) {
    const RecFileKeyUse use = RecFileKeyBytes(password);
    if (use.used >= use.total) return std::nullopt;
    return u"Only the first " + platform::FromUtf8(std::to_string(use.used)) +
           u" bytes of this password are used by the wallet's cipher: any password that starts the same way "
           u"opens this wallet. Use it anyway?";
}

std::optional<WltRefusal> CheckWltItemInput(const std::u16string& name, int iconRow) {
    if (name.empty()) return WltRefusal{u"Wallet Item Name Required.", IDC_WLT_ITEM_NAME};
    if (iconRow < 0) return WltRefusal{u"No Icon Selected.", IDC_WLT_ICONS};
    return std::nullopt;
}

void AddNewWltItem(const WltItem& templ, const std::u16string& name, LONG icon, const std::u16string& categories) {
    WltItem item = templ;
    item.name = name;
    item.icon = icon;
    item.categories = categories;
    item.itemId = g_Wlt.nextItemId++;
    g_Wlt.selection = g_Wlt.items.Append(item);
}
