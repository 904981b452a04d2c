// Converting the current item between task and appointment, and cancelling a meeting request.
// The old item stays: the change handling deletes it when the new one arrives (the markers).
#include "frame/item_conversion.h"

#include <string>

#include "calendar/agenda_view.h"
#include "core/cur_item.h"
#include "core/frame_state.h"
#include "core/pim_state.h"
#include "core/poom_session.h"
#include "core/res_string.h"
#include "core/show_message.h"
#include "core/store_full.h"
#include "core/text_util.h"
#include "lists/task_view.h"
#include "platform/user.h"
#include "resources/resource.h"

namespace {

constexpr char16_t kSendFailed[] = u"Send Failed.";

// The fields both kinds share, read from one item and written to the other.
struct SharedFields {
    std::u16string subject;
    std::u16string body;
    LONG sensitivity = 0;
    std::u16string categories;
};

template <class Item>
SharedFields ReadShared(Item& item) {
    SharedFields fields;
    BSTR text = nullptr;
    if (SUCCEEDED(item.get_Subject(&text))) fields.subject = TakeBstr(text);
    text = nullptr;
    if (SUCCEEDED(item.get_Body(&text))) fields.body = TakeBstr(text);
    text = nullptr;
    if (SUCCEEDED(item.get_Categories(&text))) fields.categories = TakeBstr(text);
    item.get_Sensitivity(&fields.sensitivity);
    return fields;
}

template <class Item>
void WriteShared(Item& item, const SharedFields& fields) {
    item.put_Subject(fields.subject.c_str());
    item.put_Body(fields.body.c_str());
    item.put_Sensitivity(fields.sensitivity);
    item.put_Categories(fields.categories.c_str());
    item.put_ReminderSet(VARIANT_FALSE);
}

template <class T>
PoomPtr<T> CreatePoomItem(int itemType, REFIID iid) {
    IPOutlookApp2* app = GetPoomApp();
    if (!app) return PoomPtr<T>();
    PoomPtr<IDispatch> created;
    if (FAILED(app->CreateItem(itemType, created.Out())) || !created) return PoomPtr<T>();
    return QueryPoom<T>(created.Get(), iid);
}

void ClearCurItem() {
    g_CurItem.kind = kItemNone;
    g_CurItem.oid = kNoId;
    g_CurItem.listIndex = kNoId;
    g_CurItem.rowIndex = kNoId;
}

// Saves the new item of a conversion with the marks that let the store's notice of it finish the
// conversion; a refused save takes them back, as no new item will arrive to hand them over.
template <class Item>
void SaveConverted(Item& item, OlItemType kind, LONG& mark, LONG& convertedOid) {
    mark = 1;
    convertedOid = g_CurItem.oid;
    if (const HRESULT saved = item.Save(); FAILED(saved)) {
        mark = 0;
        convertedOid = kNoId;
        ShowWhenStoreFull(saved, kind, g_Frame.mainWnd);
    }
    ClearCurItem();
}

void ConvertApptToTsk() {
    PoomPtr<IAppointment> appt = GetPoomItem<IAppointment>(GetPoomApp(), g_CurItem.oid, IID_IAppointment);
    if (!appt) return;
    PoomPtr<ITask> task = CreatePoomItem<ITask>(olTaskItem, IID_ITask);
    if (!task) return;
    WriteShared(*task, ReadShared(*appt));
    appt.Reset();
    SaveConverted(*task, olTaskItem, g_ChangeMarks.apptToTskMark, g_ChangeMarks.convertedApptOid);
}

}  // namespace

void ConvertTskToAppt(LONG fromConversion) {
    if (fromConversion == 0) CheckTskSelected(FALSE);
    if (g_CurItem.oid == kNoId || g_CurItem.kind != kItemTask) return;
    PoomPtr<ITask> task = GetPoomItem<ITask>(GetPoomApp(), g_CurItem.oid, IID_ITask);
    if (!task) return;
    PoomPtr<IAppointment> appt = CreatePoomItem<IAppointment>(olAppointmentItem, IID_IAppointment);
    if (!appt) return;
    SharedFields fields = ReadShared(*task);
    WCHAR letter = 0;
    LONG number = 0;
    std::u16string plain;
    ParseLetterNumberPrefix(plain, fields.subject, letter, number);
    fields.subject = plain;
    WriteShared(*appt, fields);
    task.Reset();
    SaveConverted(*appt, olAppointmentItem, g_ChangeMarks.tskToApptMark, g_ChangeMarks.convertedTskOid);
}

void ConvertCurItem() {
    SyncSchedSel();
    if (g_CurItem.oid == kNoId) return;
    if (g_CurItem.kind == kItemAppt) ConvertApptToTsk();
    else if (g_CurItem.kind == kItemTask) ConvertTskToAppt(1);
}

void CancelMeetingRequest() {
    if (g_CurItem.oid == kNoId || g_CurItem.kind != kItemAppt) return;
    PoomPtr<IAppointment> appt = GetPoomItem<IAppointment>(GetPoomApp(), g_CurItem.oid, IID_IAppointment);
    if (!appt) return;
    if (SUCCEEDED(appt->Cancel())) ShowResMessage(g_Frame.mainWnd, IDS_MEETING_CANCEL_SENT, MB_ICONINFORMATION);
    else ShowMessage(g_Frame.mainWnd, kSendFailed, MB_ICONINFORMATION);
}
