// The two template lists and their side files.
#include "editors/item_templates.h"


#include <cstdio>
#include <memory>

#include "core/program_folder.h"
#include "core/record_file.h"
#include "core/record_list_file.h"
#include "platform/files.h"
#include "platform/text.h"

RecordArray<ApptRecord> g_ApptTemplateList;
TskArray g_TskTemplateList;
LONG g_TemplateKind = kTemplateKindAppt;
LONG g_TemplateChoice = -1;

namespace {

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<FILE, FileCloser>;

template <class E, class Serialize>
void LoadTemplateFile(const WCHAR* name, RecordArray<E>& list, Serialize&& serialize) {
    const FileHandle handle(_wfopen(ProgramFolderFile(name).c_str(), u"r"));
    if (!handle) return;
    RecordFile file;
    file.file = handle.get();
    file.textMode = TRUE;
    list = ReadRecordList<E>(file, [&](E& record, RecordFile& f) { return serialize(record, f, false); });
}

template <class E, class Serialize>
void SaveTemplateFile(const WCHAR* name, RecordArray<E>& list, Serialize&& serialize) {
    const FileHandle handle(_wfopen(ProgramFolderFile(name).c_str(), u"w"));
    if (!handle) return;
    RecordFile file;
    file.file = handle.get();
    file.textMode = TRUE;
    WriteNumLine(file, list.Size());
    for (E& record : list) serialize(record, file, true);
}

template <class E>
int InsertBySubject(RecordArray<E>& list, E record) {
    int position = 0;
    while (position < list.Size() && _wcsicmp(list[position].subject.c_str(), record.subject.c_str()) <= 0) ++position;
    list.InsertAt(position, std::move(record));
    return position;
}

}  // namespace

void LoadTemplates() {
    LoadApptTemplates();
    LoadTskTemplates();
}

void LoadApptTemplates() { LoadTemplateFile(kApptTemplateFile, g_ApptTemplateList, ApptSerialize); }

void LoadTskTemplates() { LoadTemplateFile(kTskTemplateFile, g_TskTemplateList, TskSerialize); }

void SaveApptTemplates() { SaveTemplateFile(kApptTemplateFile, g_ApptTemplateList, ApptSerialize); }

void SaveTskTemplates() { SaveTemplateFile(kTskTemplateFile, g_TskTemplateList, TskSerialize); }

int InsertApptTemplate(ApptRecord record) { return InsertBySubject(g_ApptTemplateList, std::move(record)); }

int InsertTskTemplate(TskRecord record) { return InsertBySubject(g_TskTemplateList, std::move(record)); }

int TemplateCount(LONG kind) {
    return kind == kTemplateKindAppt ? g_ApptTemplateList.Size() : g_TskTemplateList.Size();
}

bool RemoveTemplateAt(LONG kind, int index) {
    if (index < 0 || index >= TemplateCount(kind)) return false;
    if (kind == kTemplateKindAppt) {
        g_ApptTemplateList.RemoveAt(index);
        SaveApptTemplates();
    } else {
        g_TskTemplateList.RemoveAt(index);
        SaveTskTemplates();
    }
    return true;
}

void ApptTemplateTimesOn(const ApptRecord& record, const DateRec& day, DateRec& start, DateRec& end) {
    start = DateRec(day.wYear, day.wMonth, day.wDay, record.start.wHour, record.start.wMinute, record.start.wSecond);
    ApptRecord moved = record;
    moved.start = start;
    end = GetApptEnd(moved);
}
