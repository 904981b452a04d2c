// Reading the call log for one contact. The phone library allocates the texts of each entry; they
// are freed before the next entry is read.
#include "lists/call_log.h"

#include <array>

#include "core/cts_loading.h"
#include "core/date_text.h"
#include "core/frame_state.h"
#include "core/phone_lib.h"
#include "platform/memory.h"
#include "platform/text.h"

CallLogArray g_CallList;

namespace {

constexpr int kSecondsPerMinute = 60;
constexpr int kMinutesPerHour = 60;

LONG NameKindOf(const WCHAR* type) {
    constexpr std::array<const char16_t*, 3> kKinds = {u"h", u"w", u"m"};
    if (!type) return -1;
    for (std::size_t i = 0; i < kKinds.size(); ++i) {
        if (platform::EqualNoCase(type, kKinds[i])) return static_cast<LONG>(i);
    }
    return -1;
}

std::u16string TextOf(const WCHAR* text) { return text ? std::u16string(text) : std::u16string(); }

CallLogEntry EntryFrom(const CALLLOGENTRY& source) {
    CallLogEntry entry;
    entry.start = source.ftStartTime;
    entry.end = source.ftEndTime;
    entry.incoming = (source.flags & CALLLOG_OUTGOING) == 0 ? 1 : 0;
    entry.connected = source.iom != IOM_MISSED && (source.flags & CALLLOG_CONNECTED) != 0 ? 1 : 0;
    entry.notEnded = (source.flags & CALLLOG_ENDED) == 0 ? 1 : 0;
    entry.roaming = (source.flags & CALLLOG_ROAMING) != 0 ? -1 : 0;
    entry.nameKind = NameKindOf(source.pszNameType);
    entry.name = TextOf(source.pszName);
    entry.number = TextOf(source.pszNumber);
    entry.note = TextOf(source.pszNote);
    return entry;
}

void FreeTexts(CALLLOGENTRY& entry) {
    for (LPWSTR text : {entry.pszNumber, entry.pszName, entry.pszNameType, entry.pszNote}) {
        if (text) LocalFree(text);
    }
}

CALLLOGENTRY FreshEntry() {
    CALLLOGENTRY entry{};
    entry.cbSize = sizeof(entry);
    return entry;
}

}  // namespace

void LoadCallLog() {
    if (!PhoneLibraryLoaded()) return;
    g_CallList.RemoveAll();
    CALLLOGENTRY entry = FreshEntry();
    HANDLE log = nullptr;
    // Without an open log there is nothing to read, and no handle to read or close.
    if (FAILED(OpenCallLog(&log)) || !log) return;
    HRESULT read = GetCallLogEntry(log, &entry);
    const LONG position = IdIndexGet(g_CurItem.oid, g_CtsIdIndex);
    if (position < 0 || position >= g_CtsList.Size()) {
        if (read == S_OK) FreeTexts(entry);
        CloseCallLog(log);
        return;
    }
    const std::u16string fileAs = g_CtsList[position].fileAs;
    while (read == S_OK) {
        if (entry.pszName && platform::EqualNoCase(entry.pszName, fileAs)) g_CallList.Append(EntryFrom(entry));
        FreeTexts(entry);
        entry = FreshEntry();
        read = GetCallLogEntry(log, &entry);
    }
    CloseCallLog(log);
}

std::u16string CallTotalText(const CallLogArray& calls, bool incoming) {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    for (const CallLogEntry& call : calls) {
        if ((call.incoming == 1) != incoming) continue;
        std::u16string ignored;
        int h = 0;
        int m = 0;
        int s = 0;
        FormatDurationFT(ignored, call.start, call.end, h, m, s);
        hours += h;
        minutes += m;
        seconds += s;
    }
    minutes += seconds / kSecondsPerMinute;
    hours += minutes / kMinutesPerHour;
    constexpr int kDurationChars = 32;
    WCHAR text[kDurationChars] = {};
    StringCchPrintfW(text, kDurationChars, u"%02d:%02d:%02d", hours, minutes % kMinutesPerHour, seconds % kSecondsPerMinute);
    return text;
}
