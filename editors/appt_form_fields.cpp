// The appointment form's controls as values, shared by loading, saving and the templates.
#include "editors/appt_form_fields.h"

#include <algorithm>

#include <iterator>

#include "core/cat_loading.h"
#include "core/cat_record.h"
#include "core/prj_cats.h"
#include "editors/appt_form.h"
#include "editors/attendees.h"
#include "editors/reminders.h"
#include "editors/res_text.h"
#include "platform/commctrl.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/shell.h"
#include "platform/text.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/subclass.h"
#include "ui/view_focus.h"

namespace {

// Row order of the form's status list with POOM's busy value of each row.
constexpr LONG kStatusRowBusy[] = {olBusy, olOutOfOffice, olFree, olTentative};
constexpr int kStatusRows = static_cast<int>(std::size(kStatusRowBusy));

template <class Visit>
void ForEachFormCat(Visit&& visit) {
    int row = 0;
    for (int i = 0; i < g_CatList.Size(); ++i) {
        if (IsPrjCat(g_CatList[i].name)) continue;
        if (!visit(row, g_CatList[i].name)) return;
        ++row;
    }
}

}  // namespace

bool GetPickerValue(HWND dialog, int id, DateRec& out) {
    SYSTEMTIME value{};
    if (DateTime_GetSystemtime(GetDlgItem(dialog, id), &value) != GDT_VALID) {
        DateClear(out);
        return false;
    }
    DateAssignByVal(out, value);
    return true;
}

void SetPickerValue(HWND dialog, int id, const DateRec* value) {
    const HWND picker = GetDlgItem(dialog, id);
    if (!value) {
        static_cast<void>(DateTime_SetSystemtime(picker, GDT_NONE, nullptr));
        return;
    }
    SYSTEMTIME time = *value;
    time.wMilliseconds = 0;
    static_cast<void>(DateTime_SetSystemtime(picker, GDT_VALID, &time));
}

bool GetPickerDateTime(HWND dialog, int dateId, int timeId, DateRec& out) {
    DateRec date, time;
    const bool hasDate = GetPickerValue(dialog, dateId, date);
    const bool hasTime = GetPickerValue(dialog, timeId, time);
    if (!hasDate || !hasTime) {
        DateClear(out);
        return false;
    }
    DateInit(out, date.wYear, date.wMonth, date.wDay, time.wHour, time.wMinute, time.wSecond);
    return true;
}

void SubclassFormPickers(HWND dialog) {
    for (const int id : {kApptStartDateId, kApptEndDateId})
        SubclassControl(GetDlgItem(dialog, id), KeypadField::kYes, DateMenu::kNo);
    for (const int id : {kApptStartTimeId, kApptEndTimeId})
        SubclassControl(GetDlgItem(dialog, id), KeypadField::kNo, DateMenu::kNo);
}

LONG StatusRowToBusy(LONG row) { return row >= 0 && row < kStatusRows ? kStatusRowBusy[row] : -1; }

LONG BusyToStatusRow(LONG busy) {
    for (int row = 0; row < kStatusRows; ++row)
        if (kStatusRowBusy[row] == busy) return row;
    return -1;
}

void FillFormCatList(HWND dialog) {
    const HWND list = GetDlgItem(dialog, kCatListBoxId);
    ForEachFormCat([list](int, const std::u16string& name) {
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        return true;
    });
}

int SelectFormCat(HWND dialog, const std::u16string& name) {
    int found = -1;
    ForEachFormCat([&](int row, const std::u16string& cat) {
        if (_wcsicmp(cat.c_str(), name.c_str()) != 0) return true;
        found = row;
        return false;
    });
    if (found >= 0) SendDlgItemMessageW(dialog, kCatListBoxId, LB_SETSEL, TRUE, found);
    return found;
}

std::u16string SelectedFormCats(HWND dialog) {
    std::u16string text;
    ForEachFormCat([&](int row, const std::u16string& name) {
        if (SendDlgItemMessageW(dialog, kCatListBoxId, LB_GETSEL, static_cast<WPARAM>(row), 0) > 0) text += name + u",";
        return true;
    });
    return text;
}

std::u16string FormCatAtRow(int wanted) {
    std::u16string text;
    ForEachFormCat([&](int row, const std::u16string& name) {
        if (row != wanted) return true;
        text = name;
        return false;
    });
    return text;
}

std::u16string GetFormText(HWND dialog, int id, int maxChars) {
    // The whole text, however long: a stored text longer than the field's usual size is kept, not cut.
    const HWND control = GetDlgItem(dialog, id);
    const int whole = std::max(maxChars, control ? GetWindowTextLengthW(control) + 1 : 0);
    std::u16string text(static_cast<std::size_t>(whole), u'\0');
    const int length = GetDlgItemTextW(dialog, id, text.data(), whole);
    text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    return text;
}

void ShowReminderMinutes(HWND dialog, LONG minutes) {
    g_CustomReminder.useCustom = 0;
    const int choice = ReminderChoiceOf(minutes);
    if (choice >= 0) {
        SendDlgItemMessageW(dialog, kReminderListId, LB_SETCURSEL, static_cast<WPARAM>(choice), 0);
        return;
    }
    SetCustomReminderFromMinutes(g_CustomReminder, minutes);
    UpdateReminderListAfterCustom(dialog, 0);
}

void SetApptFormTitle(HWND dialog) {
    const std::u16string title = LoadResStr(g_AttendeeArray.Size() == 0 ? IDS_APPOINTMENT : IDS_MEETING);
    SetTitleText(dialog, title.c_str());
}
