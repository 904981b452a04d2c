// Moving an open dialog's controls to the places another template gives them: templates built in
// memory for the counts of unnamed statics, a control the dialog lacks, a list box's selection and
// a static's picture; and the prompt dialog's own template after the test screen turns.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/device.h"
#include "platform/dialogs.h"
#include "platform/gdi.h"
#include "platform/system.h"
#include "platform/testing.h"
#include "platform/testing_display.h"
#include "platform/user.h"
#include "resources/quorvia_resources.h"
#include "resources/resource.h"
#include "ui/dlg_relayout.h"

namespace {

constexpr WORD kButton = 0x0080;
constexpr WORD kStatic = 0x0082;
constexpr WORD kListBox = 0x0083;
constexpr WORD kUnnamed = 0xFFFF;

struct Item {
    DWORD style;
    short x, y, cx, cy;
    WORD id;
    WORD classOrdinal;
    std::u16string title;  // text, or empty with titleOrdinal
    WORD titleOrdinal = 0;
};

// A DLGTEMPLATE with DS_SETFONT in the standard layout, each item on a 4-byte boundary.
class TemplateBytes {
public:
    explicit TemplateBytes(const std::vector<Item>& items) {
        Dword(DS_SETFONT | WS_POPUP | WS_VISIBLE);
        Dword(0);
        Word(static_cast<WORD>(items.size()));
        for (short v : {0, 0, 160, 120}) Word(static_cast<WORD>(v));
        Word(0);  // menu
        Word(0);  // class
        Text(u"Turning");
        Word(8);
        Text(u"Tahoma");
        for (const Item& item : items) {
            while (bytes_.size() % 4) bytes_.push_back(0);
            Dword(item.style | WS_CHILD | WS_VISIBLE);
            Dword(0);
            for (short v : {item.x, item.y, item.cx, item.cy}) Word(static_cast<WORD>(v));
            Word(item.id);
            Word(0xFFFF);
            Word(item.classOrdinal);
            if (item.title.empty() && item.titleOrdinal) {
                Word(0xFFFF);
                Word(item.titleOrdinal);
            } else {
                Text(item.title);
            }
            Word(0);
        }
    }
    const BYTE* Data() const { return bytes_.data(); }
    std::size_t Size() const { return bytes_.size(); }
    LPCDLGTEMPLATEW Template() const { return reinterpret_cast<LPCDLGTEMPLATEW>(bytes_.data()); }

private:
    void Word(WORD w) {
        const auto* p = reinterpret_cast<const BYTE*>(&w);
        bytes_.insert(bytes_.end(), p, p + sizeof(w));
    }
    void Dword(DWORD d) {
        const auto* p = reinterpret_cast<const BYTE*>(&d);
        bytes_.insert(bytes_.end(), p, p + sizeof(d));
    }
    void Text(const std::u16string& text) {
        for (char16_t c : text) Word(static_cast<WORD>(c));
        Word(0);
    }
    std::vector<BYTE> bytes_;
};

INT_PTR CALLBACK PlainDlgProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG ? TRUE : FALSE; }

class DlgRelayout : public ::testing::Test {
protected:
    DlgRelayout() {
        RegisterQuorviaResources();
        module_ = GetModuleHandleW(nullptr);
    }
    ~DlgRelayout() override {
        for (HWND d : dialogs_) DestroyWindow(d);
        platform::testing::PumpUntilIdle();
    }
    HWND Open(const TemplateBytes& bytes) {
        const HWND dialog = CreateDialogIndirectParamW(module_, bytes.Template(), nullptr, PlainDlgProc, 0);
        dialogs_.push_back(dialog);
        return dialog;
    }
    // Where the template puts an item, in the dialog's client pixels.
    static RECT Mapped(HWND dialog, const Item& item) {
        RECT r{item.x, item.y, item.x + item.cx, item.y + item.cy};
        MapDialogRect(dialog, &r);
        return r;
    }
    static RECT Placed(HWND dialog, WORD id) {
        RECT r{};
        const HWND control = GetDlgItem(dialog, id);
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    static void ExpectAt(HWND dialog, const Item& item) {
        const RECT want = Mapped(dialog, item);
        const RECT got = Placed(dialog, item.id);
        EXPECT_EQ(got.left, want.left) << item.id;
        EXPECT_EQ(got.top, want.top) << item.id;
        EXPECT_EQ(got.right, want.right) << item.id;
        EXPECT_EQ(got.bottom, want.bottom) << item.id;
    }

    platform::testing::TestDevice device_;
    platform::testing::TestScreen screen_;
    HMODULE module_ = nullptr;
    std::vector<HWND> dialogs_;
};

TEST_F(DlgRelayout, ControlsMoveToTheOtherTemplateAndTheResultCountsWhatWentWrong) {
    const std::vector<Item> portrait = {
        {SS_LEFT, 4, 4, 100, 10, 10, kStatic, u"Name:"},
        {BS_PUSHBUTTON, 4, 20, 60, 14, 11, kButton, u"Pick"},
        {SS_LEFT, 4, 40, 100, 10, kUnnamed, kStatic, u"Note"},
        {SS_LEFT, 4, 56, 100, 10, 12, kStatic, u"Extra"},
    };
    struct Case {
        const char* name;
        std::vector<Item> landscape;
        int result;
    };
    const Case cases[] = {
        {"one unnamed static",
         {{SS_LEFT, 110, 4, 40, 10, 10, kStatic, u"Name:"},
          {BS_PUSHBUTTON, 110, 20, 40, 14, 11, kButton, u"Pick"},
          {SS_LEFT, 10, 40, 90, 10, kUnnamed, kStatic, u"Note"},
          {SS_LEFT, 10, 70, 90, 10, 12, kStatic, u"Extra"}},
         1},
        {"two unnamed statics",
         {{SS_LEFT, 110, 4, 40, 10, 10, kStatic, u"Name:"},
          {SS_LEFT, 10, 40, 90, 10, kUnnamed, kStatic, u"Note"},
          {SS_LEFT, 10, 90, 90, 10, kUnnamed, kStatic, u"Note"},
          {SS_LEFT, 10, 70, 90, 10, 12, kStatic, u"Extra"}},
         0},
        {"a control the dialog lacks",
         {{SS_LEFT, 110, 4, 40, 10, 10, kStatic, u"Name:"},
          {SS_LEFT, 10, 30, 40, 10, 99, kStatic, u"Gone"},
          {BS_PUSHBUTTON, 110, 20, 40, 14, 11, kButton, u"Pick"},
          {SS_LEFT, 10, 70, 90, 10, 12, kStatic, u"Extra"}},
         0},
    };
    for (const Case& c : cases) {
        const HWND dialog = Open(TemplateBytes(portrait));
        ASSERT_NE(dialog, nullptr);
        SetDlgItemTextW(dialog, 10, u"Changed");
        const TemplateBytes turned(c.landscape);
        EXPECT_EQ(RelayoutFromTemplate(module_, dialog, turned.Data(), turned.Size()), c.result) << c.name;
        for (const Item& item : c.landscape)
            if (item.id != kUnnamed && item.id != 99) ExpectAt(dialog, item);
        WCHAR text[32] = {};
        GetDlgItemTextW(dialog, 10, text, 32);
        EXPECT_EQ(std::u16string(text), u"Name:") << c.name;
    }
}

TEST_F(DlgRelayout, DamagedTemplateEndsTheWalkInsteadOfReadingPastIt) {
    const std::vector<Item> items = {{SS_LEFT, 4, 4, 100, 10, 10, kStatic, u"Name:"},
                                     {SS_LEFT, 4, 20, 100, 10, 11, kStatic, u"Other"}};
    const HWND dialog = Open(TemplateBytes(items));
    const RECT before = Placed(dialog, 11);
    const TemplateBytes moved({{SS_LEFT, 50, 4, 100, 10, 10, kStatic, u"Name:"},
                               {SS_LEFT, 50, 60, 100, 10, 11, kStatic, u"Other"}});
    // Cut inside the second item: the first moves, the walk stops and reports failure.
    EXPECT_EQ(RelayoutFromTemplate(module_, dialog, moved.Data(), moved.Size() - 8), 0);
    const RECT after = Placed(dialog, 11);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(RelayoutFromTemplate(module_, dialog, moved.Data(), 10), 0);
    EXPECT_EQ(DlgTemplateRelayout(module_, dialog, MAKEINTRESOURCEW(4242)), 0);
}

TEST_F(DlgRelayout, ListSelectionAndStaticPictureComeBack) {
    const std::vector<Item> portrait = {
        {LBS_NOTIFY | WS_VSCROLL, 4, 4, 120, 100, 20, kListBox, u""},
        {SS_BITMAP, 130, 4, 20, 10, 21, kStatic, u"", IDB_SCROLL_ARROWS},
    };
    const HWND dialog = Open(TemplateBytes(portrait));
    const HWND list = GetDlgItem(dialog, 20);
    for (int i = 0; i < 30; ++i) {
        const std::u16string line = u"Entry " + std::u16string(1, static_cast<char16_t>(u'A' + i % 26));
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
    SendMessageW(list, LB_SETCURSEL, 19, 0);
    const HWND picture = GetDlgItem(dialog, 21);
    const HBITMAP stale = CreateBitmap(4, 4, 1, 32, nullptr);
    // Statics do not own their pictures: the test deletes what it takes out and what is left.
    DeleteObject(reinterpret_cast<HGDIOBJ>(SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(stale))));

    const TemplateBytes turned({
        {LBS_NOTIFY | WS_VSCROLL, 4, 4, 150, 40, 20, kListBox, u""},
        {SS_BITMAP, 4, 50, 20, 10, 21, kStatic, u"", IDB_SCROLL_ARROWS},
    });
    EXPECT_EQ(RelayoutFromTemplate(module_, dialog, turned.Data(), turned.Size()), 1);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 19);
    const int top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    const int itemHeight = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    RECT client{};
    GetClientRect(list, &client);
    ASSERT_GT(itemHeight, 0);
    EXPECT_LE(top, 19);
    EXPECT_GT(top + client.bottom / itemHeight, 19);
    const auto shown = reinterpret_cast<HBITMAP>(SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0));
    EXPECT_NE(shown, nullptr);
    EXPECT_NE(shown, stale);
    EXPECT_EQ(GetObjectType(stale), 0u);  // the picture it had is deleted
    DeleteObject(shown);
}

TEST_F(DlgRelayout, PromptFollowsItsTemplateAfterTurningOnlyOnVersion5) {
    for (const DWORD major : {5u, 4u}) {
        platform::DeviceProfile profile;
        profile.osMajor = major;
        device_.SetProfile(profile);
        const HWND dialog = CreateDialogParamW(module_, MAKEINTRESOURCEW(IDD_PROMPT_TEXT), nullptr, PlainDlgProc, 0);
        ASSERT_NE(dialog, nullptr);
        dialogs_.push_back(dialog);
        const HWND edit = GetDlgItem(dialog, IDC_PROMPT_EDIT);
        MoveWindow(edit, 0, 0, 10, 10, TRUE);
        platform::testing::Rotate();
        platform::testing::PumpUntilIdle();
        EXPECT_EQ(RelayoutDlgForOrientation(dialog, IDD_PROMPT_TEXT), 1);
        const RECT placed = Placed(dialog, IDC_PROMPT_EDIT);
        if (major == 5) {
            ExpectAt(dialog, Item{0, 4, 42, 152, 12, IDC_PROMPT_EDIT, 0x0081, u""});
        } else {
            EXPECT_EQ(placed.left, 0);
            EXPECT_EQ(placed.right, 10);
        }
        platform::testing::Rotate();
    }
}

}  // namespace
