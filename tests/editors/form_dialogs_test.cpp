// The forms' custom reminder and custom recurrence dialogs, run modally over a stand-in form that
// has the form's Occurs, reminder and private controls, and driven from inside their loops.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app_settings.h"
#include "editors/custom_recur.h"
#include "editors/custom_recur_dlg.h"
#include "editors/custom_reminder_dlg.h"
#include "editors/recur_choices.h"
#include "editors/reminders.h"
#include "platform/commctrl.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/testing.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_user.h"
#include "platform/user.h"
#include "resources/resource.h"

namespace {

LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

class FormDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX init{};
        init.dwSize = sizeof(init);
        init.dwICC = ICC_DATE_CLASSES;
        InitCommonControlsEx(&init);
        WNDCLASSW wc{};
        wc.lpfnWndProc = FormProc;
        wc.lpszClassName = u"QvEditorFormStandIn";
        RegisterClassW(&wc);
        form_ = CreateWindowExW(0, wc.lpszClassName, u"Form", WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(form_, nullptr);
        Child(WC_LISTBOXW, kOccursListId);
        Child(WC_LISTBOXW, kReminderListId);
        Child(WC_BUTTONW, kPrivateBoxId);
        g_CustomReminder = CustomReminderState{};
        g_CustomRecur = CustomRecurState{};
        platform::testing::ClearDialogs();
        platform::testing::ClearMessageBoxes();
    }
    void TearDown() override {
        DestroyWindow(form_);
        g_CustomReminder = CustomReminderState{};
        g_CustomRecur = CustomRecurState{};
        platform::testing::ClearDialogs();
        platform::testing::ClearMessageBoxes();
    }
    void Child(LPCWSTR cls, int id) {
        CreateWindowExW(0, cls, u"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 60, form_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
    HWND Item(int id) const { return GetDlgItem(form_, id); }
    std::u16string ReminderRow(int row) const {
        WCHAR text[128] = {};
        SendMessageW(Item(kReminderListId), LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
        return text;
    }
    void SelectOccurs(LONG choice) {
        FillRecurCombo(Item(kOccursListId), DateRec(2022, 3, 23));
        SendMessageW(Item(kOccursListId), LB_SETCURSEL, static_cast<WPARAM>(choice), 0);
    }
    static void Press(HWND dialog, int id) { SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

    platform::testing::TestDevice device;
    HWND form_ = nullptr;
};

TEST_F(FormDialogsTest, CustomReminderSpanReplacesTheChoicesAndTurningItOffBringsThemBack) {
    platform::testing::ActInsideDialog([](HWND dialog) {
        CheckDlgButton(dialog, IDC_USE_CUSTOM_REMINDER, BST_CHECKED);
        SetDlgItemTextW(dialog, IDC_REMIND_DAYS, u"1");
        SetDlgItemTextW(dialog, IDC_REMIND_HOURS, u"2");
        SetDlgItemTextW(dialog, IDC_REMIND_MINUTES, u"3x");
        Press(dialog, IDM_DLG_DONE);
    });
    CustomReminderDlg(form_);
    EXPECT_EQ(g_CustomReminder.useCustom, 1);
    EXPECT_EQ(CustomReminderMinutes(g_CustomReminder), 1563);
    ASSERT_EQ(SendMessageW(Item(kReminderListId), LB_GETCOUNT, 0, 0), 1);
    EXPECT_EQ(ReminderRow(0), u"1 d 2 h 3 m");
    EXPECT_FALSE(IsWindowEnabled(Item(kReminderListId)));

    platform::testing::ActInsideDialog([](HWND dialog) {
        CheckDlgButton(dialog, IDC_USE_CUSTOM_REMINDER, BST_UNCHECKED);
        Press(dialog, IDM_DLG_DONE);
    });
    CustomReminderDlg(form_);
    ASSERT_EQ(SendMessageW(Item(kReminderListId), LB_GETCOUNT, 0, 0), kReminderChoiceCount);
    EXPECT_EQ(ReminderRow(0), u"No Rem.");
    EXPECT_EQ(SendMessageW(Item(kReminderListId), LB_GETCURSEL, 0, 0), 0);  // DEFREM's row, not the old one
    EXPECT_TRUE(IsWindowEnabled(Item(kReminderListId)));
}

TEST_F(FormDialogsTest, CancelReadsNothing) {
    g_CustomReminder = CustomReminderState{1, 0, 5, 0};
    platform::testing::ActInsideDialog([](HWND dialog) {
        SetDlgItemTextW(dialog, IDC_REMIND_HOURS, u"9");
        Press(dialog, IDM_DLG_CANCEL);
    });
    CustomReminderDlg(form_);
    EXPECT_EQ(g_CustomReminder.hours, 5);
}

TEST_F(FormDialogsTest, ASpanNotInUseOpensAsZero) {
    g_CustomReminder = CustomReminderState{0, 0, 1, 30};  // left by an earlier item
    std::vector<std::u16string> shown;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        for (const int id : {IDC_REMIND_DAYS, IDC_REMIND_HOURS, IDC_REMIND_MINUTES}) {
            WCHAR text[16] = {};
            GetDlgItemTextW(dialog, id, text, 16);
            shown.emplace_back(text);
        }
        CheckDlgButton(dialog, IDC_USE_CUSTOM_REMINDER, BST_CHECKED);
        SetDlgItemTextW(dialog, IDC_REMIND_DAYS, u"2");
        Press(dialog, IDM_DLG_DONE);
    });
    CustomReminderDlg(form_);
    EXPECT_EQ(shown, (std::vector<std::u16string>{u"0", u"0", u"0"}));
    EXPECT_EQ(CustomReminderMinutes(g_CustomReminder), 2880);
}

TEST_F(FormDialogsTest, OnceCannotBeEditedAsRecurring) {
    SelectOccurs(kRecurOnce);
    platform::testing::AnswerMessageBox(IDOK);
    CustomRecurDlg(form_);
    EXPECT_TRUE(platform::testing::DialogsShown().empty());
    const auto shown = platform::testing::MessageBoxesShown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, u"Occurrence Selection must not be set to 'once' to edit this as a recurring item.");
}

TEST_F(FormDialogsTest, CustomWeekIsEditedAndAnEndDateUnticksAfter) {
    SelectOccurs(kRecurCustomWeek);
    CheckRecurStart(form_, kRecurCustomWeek, DateRec(2022, 3, 23));
    g_CustomRecur.endsAfter = 1;
    g_CustomRecur.occurrences = 4;
    bool wednesdayShown = false;
    bool countEnabledAtOpen = false;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        wednesdayShown = IsDlgButtonChecked(dialog, IDC_RECUR_WED) == BST_CHECKED &&
                         IsDlgButtonChecked(dialog, IDC_RECUR_MON) != BST_CHECKED;
        countEnabledAtOpen = IsWindowEnabled(GetDlgItem(dialog, IDC_RECUR_COUNT)) != FALSE;
        CheckDlgButton(dialog, IDC_RECUR_FRI, BST_CHECKED);
        SetDlgItemTextW(dialog, IDC_RECUR_EVERY, u"2");
        SYSTEMTIME end = DateRec(2022, 6, 30);
        SendDlgItemMessageW(dialog, IDC_RECUR_END_DATE, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&end));
        NMHDR header{GetDlgItem(dialog, IDC_RECUR_END_DATE), IDC_RECUR_END_DATE, static_cast<UINT>(NM_KILLFOCUS)};
        SendMessageW(dialog, WM_NOTIFY, IDC_RECUR_END_DATE, reinterpret_cast<LPARAM>(&header));
        EXPECT_NE(IsDlgButtonChecked(dialog, IDC_RECUR_AFTER), static_cast<UINT>(BST_CHECKED));
        Press(dialog, IDM_DLG_DONE);
    });
    CustomRecurDlg(form_);
    EXPECT_TRUE(wednesdayShown);
    EXPECT_TRUE(countEnabledAtOpen);
    EXPECT_EQ(g_CustomRecur.needsEdit, 0);
    EXPECT_EQ(g_CustomRecur.everyN, 2);
    EXPECT_EQ(g_CustomRecur.weekdays[5], 1);
    EXPECT_EQ(g_CustomRecur.endDateSet, 1);
    EXPECT_EQ(g_CustomRecur.endsAfter, 0);
    EXPECT_EQ(g_CustomRecur.endDate.wDay, 30);
}

TEST_F(FormDialogsTest, TickingAfterClearsTheEndDateAndCancelKeepsTheNeedToEdit) {
    SelectOccurs(kRecurEveryXDays);
    CheckRecurStart(form_, kRecurEveryXDays, DateRec(2022, 3, 23));
    g_CustomRecur.endDateSet = 1;
    g_CustomRecur.endDate = DateRec(2022, 5, 1);
    platform::testing::ActInsideDialog([](HWND dialog) {
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_RECUR_SUN)));
        CheckDlgButton(dialog, IDC_RECUR_AFTER, BST_CHECKED);
        Press(dialog, IDC_RECUR_AFTER);
        SYSTEMTIME end{};
        EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_RECUR_END_DATE, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&end)),
                  GDT_NONE);
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_RECUR_COUNT)));
        SetDlgItemTextW(dialog, IDC_RECUR_COUNT, u"6");
        Press(dialog, IDM_DLG_DONE);
    });
    CustomRecurDlg(form_);
    EXPECT_EQ(g_CustomRecur.endDateSet, 0);
    EXPECT_EQ(g_CustomRecur.endsAfter, 1);
    EXPECT_EQ(g_CustomRecur.occurrences, 6);
    EXPECT_TRUE(OccursIsCustom(form_));

    g_CustomRecur.needsEdit = 1;
    platform::testing::ActInsideDialog([](HWND dialog) { Press(dialog, IDM_DLG_CANCEL); });
    CustomRecurDlg(form_);
    EXPECT_EQ(g_CustomRecur.needsEdit, 1);
    EXPECT_FALSE(OccursIsCustom(form_));
}

}  // namespace

namespace {

TEST_F(FormDialogsTest, ReminderListSelectsTheDefaultReminderWhenItIsListed) {
    const LONG saved = g_Settings.defRem;
    const struct {
        LONG defRem;
        LRESULT selected;
    } cases[] = {{0, 0}, {60, 6}, {10080, 11}, {45, LB_ERR}};
    for (const auto& c : cases) {
        g_Settings.defRem = c.defRem;
        SendMessageW(Item(kReminderListId), LB_RESETCONTENT, 0, 0);
        FillReminderCombo(form_);
        EXPECT_EQ(SendMessageW(Item(kReminderListId), LB_GETCOUNT, 0, 0), kReminderChoiceCount);
        EXPECT_EQ(SendMessageW(Item(kReminderListId), LB_GETCURSEL, 0, 0), c.selected) << c.defRem;
    }
    g_Settings.defRem = saved;
}

TEST_F(FormDialogsTest, RefillingTheOccursListKeepsTheChoice) {
    INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_DATE_CLASSES};
    InitCommonControlsEx(&init);
    const HWND picker = CreateWindowExW(0, DATETIMEPICK_CLASSW, u"", WS_CHILD | DTS_SHOWNONE, 0, 0, 100, 20, form_,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStartDatePickerId)), nullptr,
                                        nullptr);
    ASSERT_NE(picker, nullptr);
    SYSTEMTIME tuesday = DateRec(2022, 3, 22);
    static_cast<void>(DateTime_SetSystemtime(picker, GDT_VALID, &tuesday));
    FillRecurComboFromDlg(form_, kStartDatePickerId);
    SendMessageW(Item(kOccursListId), LB_SETCURSEL, 4, 0);
    SYSTEMTIME wednesday = DateRec(2022, 3, 23);
    static_cast<void>(DateTime_SetSystemtime(picker, GDT_VALID, &wednesday));
    FillRecurComboFromDlg(form_, kStartDatePickerId);
    EXPECT_EQ(SendMessageW(Item(kOccursListId), LB_GETCURSEL, 0, 0), 4);
    WCHAR text[100] = {};
    SendMessageW(Item(kOccursListId), LB_GETTEXT, 4, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(std::u16string(text), u"Every Wednesday");
    // No date in the picker: still the full list, for today.
    static_cast<void>(DateTime_SetSystemtime(picker, GDT_NONE, nullptr));
    FillRecurComboFromDlg(form_, kStartDatePickerId);
    EXPECT_EQ(SendMessageW(Item(kOccursListId), LB_GETCOUNT, 0, 0), kRecurChoiceCount);
}

}  // namespace
