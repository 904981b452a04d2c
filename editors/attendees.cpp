// The attendee array of the appointment editors and its exchange with POOM recipients.
#include "editors/attendees.h"

#include "core/poom_session.h"
#include "platform/text.h"

AttendeeList g_AttendeeArray;

namespace {

constexpr int kAttendeeGrowStep = 64;

}  // namespace

void AttendArrRemoveAll() { g_AttendeeArray.RemoveAll(); }

void AttendArrSetSize(int size) { g_AttendeeArray.SetSize(size, kAttendeeGrowStep); }

int AttendArrRemoveAt(int index) {
    if (index < 0 || index >= g_AttendeeArray.Size()) return -1;
    g_AttendeeArray.RemoveAt(index);
    return g_AttendeeArray.Size();
}

int AttendInsertSorted(const std::u16string& name, const std::u16string& address) {
    int position = 0;
    while (position < g_AttendeeArray.Size() && _wcsicmp(g_AttendeeArray[position].name.c_str(), name.c_str()) <= 0) {
        ++position;
    }
    g_AttendeeArray.InsertAt(position, Attendee{name, address});
    return position;
}

int LoadAttendeesFromAppt(IAppointment* appt) {
    AttendArrRemoveAll();
    PoomPtr<IRecipients> recipients;
    if (!appt || FAILED(appt->get_Recipients(recipients.Out())) || !recipients) return 0;
    int count = 0;
    recipients->get_Count(&count);
    for (int i = 1; i <= count; ++i) {  // POOM counts recipients from 1
        PoomPtr<IRecipient> recipient;
        if (FAILED(recipients->Item(i, recipient.Out())) || !recipient) continue;
        BSTR name = nullptr;
        BSTR address = nullptr;
        recipient->get_Name(&name);
        recipient->get_Address(&address);
        g_AttendeeArray.Append(Attendee{TakeBstr(name), TakeBstr(address)});
    }
    return g_AttendeeArray.Size();
}

bool WriteAttendeesToAppt(IAppointment* appt) {
    PoomPtr<IRecipients> recipients;
    if (!appt || FAILED(appt->get_Recipients(recipients.Out())) || !recipients) return false;
    int count = 0;
    recipients->get_Count(&count);
    for (int i = count; i >= 1; --i) recipients->Remove(i);
    bool written = true;
    for (const Attendee& attendee : g_AttendeeArray) {
        PoomPtr<IRecipient> recipient;
        if (FAILED(recipients->Add(attendee.name.c_str(), recipient.Out())) || !recipient) {
            written = false;
            continue;
        }
        recipient->put_Address(attendee.address.c_str());
    }
    return written;
}
