// The two phrase lists of the text templates and their side files.
#include "editors/text_templates.h"


#include <cstdio>
#include <memory>

#include "core/app_settings.h"
#include "core/program_folder.h"
#include "core/record_file.h"
#include "core/text_util.h"
#include "platform/files.h"
#include "platform/text.h"
#include "ui/frame_calls.h"

TextList g_UserTextList;
TextList g_LocTextList;

namespace {

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<FILE, FileCloser>;

constexpr const WCHAR* kUserTextDefaults[] = {u"Call ", u"Dinner with ", u"Lunch with ", u"Meeting with "};
constexpr const WCHAR* kLocTextDefaults[] = {u"Home", u"Office"};

// One list, its file, its defaults and its first-run flag.
struct TextListFile {
    TextList& list;
    const WCHAR* fileName;
    const WCHAR* const* defaults;
    std::size_t defaultCount;
    LONG AppSettings::*firstRun;
};

TextListFile UserTexts() {
    return {g_UserTextList, kUserTextFile, kUserTextDefaults, std::size(kUserTextDefaults), &AppSettings::initUserText};
}

TextListFile LocTexts() {
    return {g_LocTextList, kLocTextFile, kLocTextDefaults, std::size(kLocTextDefaults), &AppSettings::initLocText};
}

void SaveTexts(const TextListFile& texts) {
    const FileHandle handle(_wfopen(ProgramFolderFile(texts.fileName).c_str(), u"w"));
    if (!handle) return;
    RecordFile file;
    file.file = handle.get();
    file.textMode = TRUE;
    WriteNumLine(file, texts.list.Size());
    for (const std::u16string& text : texts.list) WriteStrLine(file, text);
}

int InitTexts(const TextListFile& texts) {
    if (g_Settings.*texts.firstRun == 0) return 0;
    g_Settings.*texts.firstRun = 0;
    SaveSettings();
    if (FileExists(ProgramFolderFile(texts.fileName))) return 0;
    texts.list.RemoveAll();
    for (std::size_t i = 0; i < texts.defaultCount; ++i) texts.list.Append(texts.defaults[i]);
    SaveTexts(texts);
    return 1;
}

// The count only bounds the reading: a file that ends early keeps the lines it has.
void LoadTexts(const TextListFile& texts) {
    if (InitTexts(texts) != 0) return;
    const FileHandle handle(_wfopen(ProgramFolderFile(texts.fileName).c_str(), u"r"));
    if (!handle) return;
    RecordFile file;
    file.file = handle.get();
    file.textMode = TRUE;
    texts.list.RemoveAll();
    const LONG count = ReadNumLine(file);
    for (LONG i = 0; i < count && !file.endOfFile; ++i) {
        const std::u16string text = ReadStrLine(file);
        if (!text.empty()) texts.list.Append(text);
    }
}

}  // namespace

void LoadTextTemplates() {
    LoadUserTexts();
    LoadLocTexts();
}

void LoadUserTexts() { LoadTexts(UserTexts()); }

void LoadLocTexts() { LoadTexts(LocTexts()); }

int InitUserTexts() { return InitTexts(UserTexts()); }

int InitLocTexts() { return InitTexts(LocTexts()); }

void SaveUserTexts() { SaveTexts(UserTexts()); }

void SaveLocTexts() { SaveTexts(LocTexts()); }

int InsertTextSorted(TextList& list, const std::u16string& text) {
    int position = 0;
    while (position < list.Size() && _wcsicmp(list[position].c_str(), text.c_str()) <= 0) ++position;
    list.InsertAt(position, text);
    return position;
}
