// The subject line dialog as the user meets it: its darker band behind the line with the separator
// under it, and "Insert Contact", which puts a contact's text from the two choosers at the caret.
#include <gtest/gtest.h>

#include "core/cts_loading.h"
#include "core/frame_state.h"
#include "editors/text_pick_dlg.h"
#include "lists/cts_text.h"
#include "platform/commctrl.h"
#include "platform/gdi.h"
#include "resources/resource.h"
#include "tests/editors/appt_form_fixture.h"
#include "ui/draw_prims.h"
#include "ui/theme_colors.h"

namespace pt = platform::testing;

namespace {

class SubjectTextDlgTest : public ApptFormTest {
protected:
    void SetUp() override {
        ApptFormTest::SetUp();
        InitCommonControls();
        owner_ = CreateWindowExW(0, u"STATIC", u"", WS_POPUP | WS_VISIBLE, 0, 0, 240, 268, nullptr, nullptr, nullptr,
                                 nullptr);
        g_Frame.mainWnd = owner_;
    }
    void TearDown() override {
        g_CtsTextChoice = CtsTextChoice();
        g_Frame.mainWnd = nullptr;
        DestroyWindow(owner_);
        ApptFormTest::TearDown();
    }
    static std::u16string Line(HWND dialog) {
        WCHAR text[128] = {};
        GetDlgItemTextW(dialog, IDC_SUBJECT_EDIT, text, 128);
        return text;
    }
    static COLORREF Pixel(HWND window, int x, int y) {
        const HDC dc = GetDC(window);
        const COLORREF pixel = GetPixel(dc, x, y) & 0xFFFFFF;
        ReleaseDC(window, dc);
        return pixel;
    }

    HWND owner_ = nullptr;
};

TEST_F(SubjectTextDlgTest, TheLineStandsOnADarkerBandAboveTheTexts) {
    g_TextInOut = u"Lunch";
    COLORREF band = 0, below = 0;
    int bandBottom = 0;
    pt::ActInsideDialog([&](HWND dialog) {
        UpdateWindow(dialog);
        RECT line{};
        GetWindowRect(GetDlgItem(dialog, IDC_SUBJECT_EDIT), &line);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&line), 2);
        bandBottom = line.bottom - line.top + 12;
        band = Pixel(dialog, 2, 2);
        below = Pixel(GetDlgItem(dialog, IDC_TEXT_LIST), 2, 60);
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
    });
    SubjectTextDlg(owner_, 7);
    const COLORREF background = ThemeColor(kThemeBackground) & 0xFFFFFF;
    EXPECT_GT(bandBottom, 12);
    EXPECT_EQ(band, DarkenColor(background, 30) & 0xFFFFFF) << "the band behind the line";
    EXPECT_NE(below, band);
}

// "Insert Contact": the contact is chosen, then one of its texts, which goes in at the caret; a
// chooser left with Cancel changes nothing.
TEST_F(SubjectTextDlgTest, InsertContactPutsTheChosenTextAtTheCaret) {
    const LONG current = AddContact({u"Aaron", u"Adams", u"", u"555-0199"});
    AddContact({u"Anna", u"Berg", u"Acme", u"555-0100"});
    LoadCtsList(1);
    // Another contact is the current item: the texts offered are those of the one chosen.
    g_CurItem.oid = current;
    g_CurItem.kind = kItemContact;
    g_TextInOut = u"Call ";
    std::u16string afterInsert, afterCancel;
    pt::ActInsideDialog([&](HWND dialog) {
        const HWND line = GetDlgItem(dialog, IDC_SUBJECT_EDIT);
        SendMessageW(line, EM_SETSEL, 5, 5);
        pt::ActInsideDialog([](HWND chooser) {
            LVITEMW row{};
            row.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
            row.state = LVIS_SELECTED | LVIS_FOCUSED;
            SendDlgItemMessageW(chooser, IDC_CHOOSE_ITEM_LIST, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&row));
            pt::ActInsideDialog([](HWND texts) {
                LVITEMW state{};
                state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
                state.state = LVIS_SELECTED | LVIS_FOCUSED;
                SendDlgItemMessageW(texts, IDC_CONTACT_TEXT_LIST, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&state));
                SendMessageW(texts, WM_COMMAND, IDM_DLG_DONE, 0);
            });
            SendMessageW(chooser, WM_COMMAND, IDM_DLG_DONE, 0);
        });
        SendMessageW(dialog, WM_COMMAND, IDM_INSERT_CONTACT, 0);
        afterInsert = Line(dialog);
        pt::ActInsideDialog([](HWND chooser) { SendMessageW(chooser, WM_COMMAND, IDM_DLG_CANCEL, 0); });
        SendMessageW(dialog, WM_COMMAND, IDM_INSERT_CONTACT, 0);
        afterCancel = Line(dialog);
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
    });
    EXPECT_EQ(SubjectTextDlg(owner_, 7), 1);
    EXPECT_EQ(afterInsert, u"Call [Anna Berg]");
    EXPECT_EQ(afterCancel, afterInsert);
    EXPECT_EQ(g_TextInOut, u"Call [Anna Berg]");
}

}  // namespace
