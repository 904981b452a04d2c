// Saving a task template from the task form or the list-style task editor.
#include "editors/tsk_templates.h"

#include "core/cur_item.h"
#include "core/show_message.h"
#include "core/tsk_priority.h"
#include "editors/editor_state.h"
#include "editors/item_templates.h"
#include "editors/res_text.h"
#include "editors/tsk_form.h"
#include "editors/tsk_list_editor.h"
#include "editors/tsk_save.h"
#include "platform/user.h"
#include "resources/resource.h"

namespace {

void AppendCatNames(TskRecord& record, const std::u16string& text) {
    size_t begin = 0;
    while (begin < text.size()) {
        size_t comma = text.find(u',', begin);
        if (comma == std::u16string::npos) comma = text.size();
        if (comma > begin) record.categories.Append(text.substr(begin, comma - begin));
        begin = comma + 1;
    }
}

void SetRecordDate(DateRec& field, const DateRec& date) {
    field = date;
    if (!IsNoDate(field)) SetDateOnlyTime(field);
}

// The dates, notes and reminder that both readers take alike. 0 after a reminder message.
int ReadCommonFields(HWND dialog, TskRecord& record, const TskFields& fields) {
    SetRecordDate(record.start, fields.start);
    record.hasDue = IsNoDate(fields.due) ? 0 : 1;
    if (record.hasDue) SetRecordDate(record.due, fields.due);
    record.hasNotes = fields.notes.empty() ? 0 : 1;
    if (record.hasNotes) record.notes = fields.notes;
    DateRec reminder;
    switch (CheckTskReminder(dialog, fields.reminderDate, fields.reminderTime, fields.start, fields.due, reminder, false)) {
    case TskReminder::Refused: return 0;
    case TskReminder::Off: record.reminderSet = 0; break;
    case TskReminder::Keep: break;
    case TskReminder::Set:
        record.reminderSet = 1;
        record.fourthDate = reminder;
        break;
    }
    return 1;
}

int StoreTemplate(HWND dialog, const TskRecord& record) {
    InsertTskTemplate(record);
    SaveTskTemplates();
    if (g_CurItem.oid != kNoId && g_CurItem.kind == kItemTask) {
        ShowMessage(dialog, LoadResStr(IDS_NEW_TEMPLATE_SAVED).c_str(), MB_ICONEXCLAMATION);
        return 1;
    }
    const int answer = ShowMessage(dialog, LoadResStr(IDS_TEMPLATE_SAVED_EXIT).c_str(), MB_YESNO | MB_ICONQUESTION);
    return answer == IDYES ? 0 : 1;
}

}  // namespace

int ReadTskDlgToRecord(HWND dialog, TskRecord& record) {
    const TskFields fields = ReadTskDlgFields(dialog);
    record.subject = fields.subject;
    record.importance = fields.importance;
    record.complete = fields.complete;
    if (!ReadCommonFields(dialog, record, fields)) return 0;
    record.sensitivity = fields.sensitivity;
    AppendCatNames(record, fields.categories);
    record.prefixLetter = 0;
    record.prefixNumber = 0;
    return 1;
}

int ReadTskEditorToRecord(HWND dialog, TskRecord& record) {
    CommitTskSnaps();
    const TskEditorState& s = g_TskEditor;
    record.prefixLetter = AbcPrioToLetter(s.abcLetter);
    record.prefixNumber = s.abcLetter ? s.number : 0;
    record.subject = s.subject.empty() ? LoadResStr(IDS_NO_SUBJECT) : s.subject;
    record.importance = s.priority;
    TskFields fields;
    fields.start = s.startDate;
    fields.due = s.dueDate;
    fields.notes = s.notes;
    fields.reminderDate = s.reminderDate;
    fields.reminderTime = s.reminderTime;
    record.complete = s.completed;
    if (!ReadCommonFields(dialog, record, fields)) return 0;
    record.icon = s.icon;
    record.sensitivity = s.sensitivity;
    AppendCatNames(record, g_EditorPrjCats + s.categories);
    return 1;
}

int SaveTskDlgAsTemplate(HWND dialog) {
    TskRecord record;
    if (!ReadTskDlgToRecord(dialog, record)) return 1;
    return StoreTemplate(dialog, record);
}

int SaveTskEditorAsTemplate(HWND dialog) {
    TskRecord record;
    if (!ReadTskEditorToRecord(dialog, record)) return 1;
    return StoreTemplate(dialog, record);
}
