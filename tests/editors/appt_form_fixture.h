// A device with a PIM store for the appointment form: the form (not the list-style editor), the
// month view on Thursday 12 March 2026, the clock frozen on Tuesday 10 March at 21:40, three
// categories, and helpers that look at the month cache and the store.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <vector>
#include <string>

#include "core/app_settings.h"
#include "core/cat_record.h"
#include "core/cur_item.h"
#include "core/month_cache.h"
#include "core/month_cache_edit.h"
#include "core/program_folder.h"
#include "core/view_id.h"
#include "editors/appt_form.h"
#include "editors/appt_form_fields.h"
#include "editors/attendees.h"
#include "editors/custom_recur.h"
#include "editors/item_templates.h"
#include "editors/recur_choices.h"
#include "editors/reminders.h"
#include "platform/commctrl.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_user.h"
#include "platform/user.h"
#include "tests/core/loading_fixture.h"
#include "ui/dialog_conventions.h"

class ApptFormTest : public loadtest::LoadingTest {
protected:
    void SetUp() override {
        LoadingTest::SetUp();
        std::filesystem::create_directories(device_.HostPath(ProgramFolderFile(u"")));
        INITCOMMONCONTROLSEX init{};
        init.dwSize = sizeof(init);
        init.dwICC = ICC_DATE_CLASSES;
        InitCommonControlsEx(&init);
        platform::testing::FreezeClock(DateRec(2026, 3, 10, 21, 40, 0));
        g_Settings.listEdit = 0;
        ViewId = kViewMonth;
        ResetSelection();
        g_ApptEditFlags = ApptEditFlags{};
        g_SelectedDate = DateRec(2026, 3, 12);
        for (const char16_t* name : {u"Home", u"prj:Alpha", u"Work"}) {
            CatRecord cat;
            cat.name = name;
            g_CatList.Append(cat);
        }
        platform::testing::ClearDialogs();
        platform::testing::ClearMessageBoxes();
    }
    void TearDown() override {
        platform::testing::ClearDialogs();
        platform::testing::ClearMessageBoxes();
        platform::testing::ThawClock();
        g_AttendeeArray.RemoveAll();
        g_CustomReminder = CustomReminderState{};
        g_CustomRecur = CustomRecurState{};
        g_ApptTemplateList.RemoveAll();
        g_TemplateChoice = -1;
        ResetSelection();
        ViewId = kViewMonth;
        LoadingTest::TearDown();
    }

    void SelectAppt(LONG oid) {
        g_CurItem.oid = oid;
        g_CurItem.kind = kItemAppt;
    }
    // Loads the month of the date into the cache (the other cached months stay).
    void CacheMonth(int year, int month) {
        const DateRec keep = g_SelectedDate;
        g_SelectedDate = DateRec(year, month, 15);
        LoadApptsForMonth(0, 0);
        g_SelectedDate = keep;
    }
    static int CountCached(int year, int month, LONG oid) {
        const int bucket = FindMonthBucket(year, month);
        if (bucket < 0) return -1;
        int count = 0;
        for (const ApptRecord& record : *g_ApptCache.apptLists[bucket]) count += record.oid == oid ? 1 : 0;
        return count;
    }
    static const ApptRecord* CachedBySubject(int year, int month, std::u16string_view subject) {
        const int bucket = FindMonthBucket(year, month);
        if (bucket < 0) return nullptr;
        for (const ApptRecord& record : *g_ApptCache.apptLists[bucket])
            if (record.subject == subject) return &record;
        return nullptr;
    }
    PoomPtr<IAppointment> Stored(LONG oid) { return GetPoomItem<IAppointment>(GetPoomApp(), oid, IID_IAppointment); }
    std::u16string StoredText(LONG oid, HRESULT (IAppointment::*get)(BSTR*)) {
        BSTR text = nullptr;
        PoomPtr<IAppointment> appt = Stored(oid);
        if (!appt || FAILED(((*appt).*get)(&text))) return u"<none>";
        return TakeBstr(text);
    }
    DateRec StoredDate(LONG oid, HRESULT (IAppointment::*get)(DATE*)) {
        DATE value = 0;
        DateRec out;
        PoomPtr<IAppointment> appt = Stored(oid);
        if (appt && SUCCEEDED(((*appt).*get)(&value))) PoomDateToDateRec(GetPoomApp(), value, out);
        return out;
    }
    // Every appointment of the store, read afresh.
    static ApptArray AllStored() {
        LoadAllApptsPOOM();
        ApptArray all = g_AllApptsArray;
        g_AllApptsArray.RemoveAll();
        return all;
    }

    // Acts in the form once it waits for input; the message boxes it shows before (while it loads)
    // get the answers in order.
    static void ActInsideForm(std::function<void(HWND)> action, std::vector<int> boxAnswers = {}) {
        platform::testing::ActInsideDialog([action, boxAnswers](HWND dialog) {
            if (dialog && GetDlgItem(dialog, kApptSubjectId)) {
                action(dialog);
                return;
            }
            std::vector<int> rest = boxAnswers;
            const int answer = rest.empty() ? IDCANCEL : rest.front();
            if (!rest.empty()) rest.erase(rest.begin());
            ActInsideForm(action, rest);
            platform::testing::EndModalLoop(answer);
        });
    }
    static void Press(HWND dialog, int id, int code = BN_CLICKED) {
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, code), 0);
    }
    static DateRec Picker(HWND dialog, int id) {
        DateRec value;
        GetPickerValue(dialog, id, value);
        return value;
    }
    static void SetPicker(HWND dialog, int id, const DateRec& value) { SetPickerValue(dialog, id, &value); }
    static std::u16string Text(HWND dialog, int id) { return GetFormText(dialog, id, kApptTextChars); }
    static LRESULT Sel(HWND dialog, int id) { return SendDlgItemMessageW(dialog, id, LB_GETCURSEL, 0, 0); }
};
