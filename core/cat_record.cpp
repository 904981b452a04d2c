// Category list operations: kind marks, sorted insertion, name tests, the colours and icons items
// take from their categories, and the merging of marks and of the side file into the list.
#include "core/cat_record.h"

#include "core/app_settings.h"
#include "core/cat_filter.h"
#include "core/text_util.h"
#include "core/view_id.h"
#include "platform/text.h"

CatArray g_CatList;

namespace {

// The mark of one filter kind, or of the shared filter.
using CatMark = DWORD CatRecord::*;

CatMark KindMark(LONG kind) {
    switch (kind) {
    case kCatKindCalendar: return &CatRecord::calendarMark;
    case kCatKindTasks: return &CatRecord::taskMark;
    case kCatKindContacts: return &CatRecord::contactMark;
    case kCatKindNotes: return &CatRecord::notesMark;
    case kCatKindWallet: return &CatRecord::walletMark;
    default: return nullptr;
    }
}

constexpr CatMark kAllMarks[] = {&CatRecord::sharedMark,  &CatRecord::calendarMark, &CatRecord::taskMark,
                                 &CatRecord::contactMark, &CatRecord::walletMark,   &CatRecord::notesMark};

const CatRecord* FindByName(const CatArray& list, std::u16string_view name) {
    for (const CatRecord& record : list) {
        if (platform::EqualNoCase(record.name, name)) return &record;
    }
    return nullptr;
}

CatRecord* FindByName(CatArray& list, std::u16string_view name) {
    return const_cast<CatRecord*>(FindByName(static_cast<const CatArray&>(list), name));
}

void CopyMarks(CatRecord& target, const CatRecord& source) {
    for (CatMark mark : kAllMarks) target.*mark = source.*mark;
}

// The mark that a saved view's filter sets for the view on screen, or none.
CatMark SavedViewMark() {
    if (g_Settings.globalFilter != 0 && g_Settings.globalFilterOn != 0) return &CatRecord::sharedMark;
    switch (ViewId) {
    case kViewMonth:
    case kViewWeek:
    case kViewTimelineWeek:
    case kViewDates:
    case kViewYear:
    case kViewDay: return g_Settings.scheduleFilterOn != 0 ? &CatRecord::calendarMark : nullptr;
    case kViewTasks: return g_Settings.taskFilterOn != 0 ? &CatRecord::taskMark : nullptr;
    case kViewContacts: return g_Settings.contactFilterOn != 0 ? &CatRecord::contactMark : nullptr;
    default: return nullptr;
    }
}

}  // namespace

DWORD CatGetKindValue(const CatRecord& record, bool shared, LONG kind) {
    const CatMark mark = KindMark(kind);
    return shared || mark == nullptr ? record.sharedMark : record.*mark;
}

void CatSetKindValue(CatRecord& record, bool shared, LONG kind, DWORD value) {
    if (shared) {
        record.sharedMark = value;
    } else if (const CatMark mark = KindMark(kind)) {
        record.*mark = value;
    }
}

void CopyCatList(const CatArray& source, CatArray& target) {
    target.RemoveAll();
    for (const CatRecord& record : source) target.Append(record);
}

bool CatNameExists(std::u16string_view name) { return FindByName(g_CatList, name) != nullptr; }

int AddCatSorted(const std::u16string& name) {
    CatRecord record;
    record.name = name;
    for (int i = 0; i < g_CatList.Size(); ++i) {
        if (platform::CompareNoCase(g_CatList[i].name, name) > 0) return g_CatList.InsertAt(i, std::move(record));
    }
    return g_CatList.Append(std::move(record));
}

bool CatListHas(std::u16string_view text, std::u16string_view name) {
    bool found = false;
    ForEachCommaPiece(text, [&](const std::u16string& piece) { found = found || platform::EqualNoCase(piece, name); });
    return found;
}

void SplitCatList(ApptRecord& appt, std::u16string_view text, bool applyIcon) {
    ForEachCommaPiece(text, [&](const std::u16string& piece) { appt.categories.Append(piece); });
    for (const std::u16string& category : appt.categories) {
        for (const CatRecord& record : g_CatList) {
            if (!platform::EqualNoCase(record.name, category)) continue;
            if (applyIcon) appt.icon = record.icon;
            appt.colour = record.colour;
            if (!applyIcon || record.icon != -1) return;
        }
    }
}

void AppendFilterTag(std::u16string& title) {
    if (GetViewCatFilter()) title += u"[F]";
}

void MergeCatArrays(CatArray saved, CatArray& list) {
    const CatMark mark = SavedViewMark();
    if (mark == nullptr) return;
    for (CatRecord& record : list) record.*mark = 0;
    for (CatRecord& record : list) {
        if (const CatRecord* from = FindByName(saved, record.name)) record.*mark = from->*mark;
    }
}

void MergeCatFileAndMarks(CatArray& list, const CatArray& fileList, const CatArray& previous) {
    for (CatRecord& record : list) {
        const CatRecord* stored = FindByName(fileList, record.name);
        if (stored == nullptr) continue;
        record.colour = stored->colour;
        record.icon = stored->icon;
        CopyMarks(record, *stored);
    }
    for (const CatRecord& before : previous) {
        if (CatRecord* record = FindByName(list, before.name)) CopyMarks(*record, before);
    }
}
