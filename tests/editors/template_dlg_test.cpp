// The "Select Template" dialog over the template lists: picking, the empty list, and removing.
#include "editors/template_dlg.h"

#include <gtest/gtest.h>

#include "core/app_settings.h"
#include "editors/item_templates.h"
#include "platform/commctrl.h"
#include "platform/dialogs.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_user.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "tests/editors/program_device.h"

namespace {

class TemplateDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitCommonControls();
        g_ApptTemplateList.RemoveAll();
        g_TskTemplateList.RemoveAll();
        platform::testing::ClearDialogs();
        platform::testing::ClearMessageBoxes();
    }
    void TearDown() override {
        g_ApptTemplateList.RemoveAll();
        g_TskTemplateList.RemoveAll();
        g_Settings.confirmDel = 1;
        platform::testing::ClearDialogs();
        platform::testing::ClearMessageBoxes();
    }
    static void AddAppt(const char16_t* subject) {
        ApptRecord appt;
        appt.subject = subject;
        InsertApptTemplate(appt);
    }
    static std::u16string RowText(HWND dialog, int row) {
        WCHAR text[128] = {};
        LVITEMW item{};
        item.iSubItem = 0;
        item.pszText = text;
        item.cchTextMax = 128;
        SendDlgItemMessageW(dialog, IDC_TEMPLATE_LIST, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                            reinterpret_cast<LPARAM>(&item));
        return text;
    }
    static void Press(HWND dialog, int id) { SendMessageW(dialog, WM_COMMAND, id, 0); }

    ProgramDevice device;
};

TEST_F(TemplateDlgTest, NoTemplatesShowsTheEmptyRowAndChoosesNothing) {
    std::u16string row;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        row = RowText(dialog, 0);
        Press(dialog, IDM_DLG_DONE);
    });
    EXPECT_TRUE(TemplateDlg(nullptr, kTemplateKindAppt));
    EXPECT_EQ(row, u"No Templates Available");
    EXPECT_EQ(g_TemplateChoice, -1);
}

TEST_F(TemplateDlgTest, TheMarkedRowIsChosenAndCancelChoosesNothing) {
    AddAppt(u"Lunch");
    AddAppt(u"dinner");
    platform::testing::ActInsideDialog([](HWND dialog) {
        SendDlgItemMessageW(dialog, IDC_TEMPLATE_LIST, LVM_SETSELECTIONMARK, 0, 1);
        Press(dialog, IDM_DLG_DONE);
    });
    EXPECT_TRUE(TemplateDlg(nullptr, kTemplateKindAppt));
    EXPECT_EQ(g_TemplateChoice, 1);

    platform::testing::ActInsideDialog([](HWND dialog) { Press(dialog, IDM_DLG_CANCEL); });
    EXPECT_FALSE(TemplateDlg(nullptr, kTemplateKindAppt));
    EXPECT_EQ(g_TemplateChoice, -1);
}

TEST_F(TemplateDlgTest, RemoveAsksFirstAndRewritesTheFile) {
    AddAppt(u"Lunch");
    AddAppt(u"dinner");
    platform::testing::AnswerMessageBox(IDNO);
    platform::testing::AnswerMessageBox(IDYES);
    std::u16string firstAfter;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        Press(dialog, IDM_REMOVE_TEMPLATE);  // No: kept
        Press(dialog, IDM_REMOVE_TEMPLATE);  // Yes: row 0 goes
        firstAfter = RowText(dialog, 0);
        Press(dialog, IDM_DLG_CANCEL);
    });
    TemplateDlg(nullptr, kTemplateKindAppt);
    EXPECT_EQ(firstAfter, u"Lunch");
    ASSERT_EQ(g_ApptTemplateList.Size(), 1);
    const auto shown = platform::testing::MessageBoxesShown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, u"Are you sure you want to delete the current template?");
    g_ApptTemplateList.RemoveAll();
    LoadApptTemplates();
    ASSERT_EQ(g_ApptTemplateList.Size(), 1);
    EXPECT_EQ(g_ApptTemplateList[0].subject, u"Lunch");

    // Without the question, and a task list that is empty removes nothing.
    g_Settings.confirmDel = 0;
    platform::testing::ActInsideDialog([](HWND dialog) {
        Press(dialog, IDM_REMOVE_TEMPLATE);
        Press(dialog, IDM_DLG_CANCEL);
    });
    TemplateDlg(nullptr, kTemplateKindTask);
    EXPECT_EQ(g_ApptTemplateList.Size(), 1);
    EXPECT_EQ(platform::testing::MessageBoxesShown().size(), 2u);
}

}  // namespace
