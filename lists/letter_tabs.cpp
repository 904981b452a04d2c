// The letter tabs of the contacts view: two layouts, seven wide tabs on VGA screens and nine small
// ones elsewhere, each command naming its group of letters.
#include "lists/letter_tabs.h"

#include <array>
#include <string_view>

#include "core/screen_class.h"
#include "lists/cts_list.h"
#include "lists/cts_type_ahead.h"
#include "platform/commctrl.h"
#include "platform/resources.h"
#include "platform/system.h"
#include "platform/user.h"
#include "resources/resource.h"


namespace {

struct LetterTab {
    UINT command;
    const char16_t* letters;
};

constexpr std::array<LetterTab, 7> kVgaTabs = {{
    {IDM_TAB_VGA_ABC, u"ABC"},
    {IDM_TAB_VGA_DEFG, u"DEFG"},
    {IDM_TAB_VGA_HIJK, u"HIJK"},
    {IDM_TAB_LMN, u"LMN"},
    {IDM_TAB_VGA_OPQR, u"OPQR"},
    {IDM_TAB_VGA_STUV, u"STUV"},
    {IDM_TAB_VGA_WXYZ, u"WXYZ"},
}};

constexpr std::array<LetterTab, 9> kSmallTabs = {{
    {IDM_TAB_AB, u"AB"},
    {IDM_TAB_CDE, u"CDE"},
    {IDM_TAB_FGH, u"FGH"},
    {IDM_TAB_IJK, u"IJK"},
    {IDM_TAB_LMN, u"LMN"},
    {IDM_TAB_OPQ, u"OPQ"},
    {IDM_TAB_RST, u"RST"},
    {IDM_TAB_UVW, u"UVW"},
    {IDM_TAB_XYZ, u"XYZ"},
}};

// VGA tool bars put separators after the second and the fifth tab.
constexpr int kVgaSeparatorAfter[] = {1, 4};
constexpr int kVgaImageSize = 46;
constexpr int kSmallImageWidth = 18;
constexpr int kSmallImageHeight = 9;

template <std::size_t N>
std::u16string_view FindLetters(const std::array<LetterTab, N>& tabs, UINT command) {
    for (const LetterTab& tab : tabs) {
        if (tab.command == command) return tab.letters;
    }
    return {};
}

TBBUTTON Button(int image, UINT command) {
    TBBUTTON button{};
    button.iBitmap = image;
    button.idCommand = static_cast<int>(command);
    button.fsState = TBSTATE_ENABLED;
    return button;
}

TBBUTTON Separator() {
    TBBUTTON button{};
    button.fsStyle = TBSTYLE_SEP;
    return button;
}

}  // namespace

bool OnCtsLetterTab(UINT command) {
    const std::u16string_view letters =
        IsVgaScreen() ? FindLetters(kVgaTabs, command) : FindLetters(kSmallTabs, command);
    if (letters.empty()) return false;
    WCHAR& letter = g_CtsTypeAhead.letter;
    if (letter == 0) {
        letter = letters.front();
        return true;
    }
    const std::size_t at = letters.find(letter);
    if (at == std::u16string_view::npos || at + 1 == letters.size()) {
        ClearCtsTypeAhead();
        return true;
    }
    letter = letters[at + 1];
    return true;
}

HWND CreateCtsAbcToolbar(HWND mainWindow) {
    if (g_CtsAbcToolbar) return g_CtsAbcToolbar;
    const DWORD style = WS_CHILD | WS_BORDER | TBSTYLE_FLAT;
    std::array<TBBUTTON, 9> buttons{};
    if (IsVgaScreen()) {
        std::size_t next = 0;
        for (std::size_t i = 0; i < kVgaTabs.size(); ++i) {
            buttons[next++] = Button(static_cast<int>(i), kVgaTabs[i].command);
            for (int after : kVgaSeparatorAfter) {
                if (static_cast<int>(i) == after) buttons[next++] = Separator();
            }
        }
        g_CtsAbcToolbar = CreateToolbarEx(mainWindow, style, IDC_LETTER_TABS, static_cast<int>(kVgaTabs.size()),
                                          GetModuleHandleW(nullptr), IDB_LETTER_TABS_VGA, buttons.data(),
                                          static_cast<int>(next), kVgaImageSize, kVgaImageSize, kVgaImageSize,
                                          kVgaImageSize, sizeof(TBBUTTON));
    } else {
        for (std::size_t i = 0; i < kSmallTabs.size(); ++i) buttons[i] = Button(static_cast<int>(i), kSmallTabs[i].command);
        g_CtsAbcToolbar = CreateToolbarEx(mainWindow, style, IDC_LETTER_TABS, static_cast<int>(kSmallTabs.size()),
                                          GetModuleHandleW(nullptr), IDB_LETTER_TABS, buttons.data(),
                                          static_cast<int>(kSmallTabs.size()), kSmallImageWidth, kSmallImageHeight,
                                          kSmallImageWidth, kSmallImageHeight, sizeof(TBBUTTON));
    }
    MoveCtsListWnd();
    return g_CtsAbcToolbar;
}
