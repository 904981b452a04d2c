// Filling the notes list: the folder's entries in the order the file system gives them, each put
// at its place so that folders come first and both groups are sorted without regard to case.
#include "notes/note_list.h"

#include <array>

#include "notes/notes_state.h"
#include "platform/commctrl.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/user.h"

NotesState g_Notes;

namespace {

constexpr std::array<std::u16string_view, 6> kNoteExtensions = {u".pwi", u".txt", u".xml", u".log", u".htm", u".html"};
constexpr int kRowTextChars = MAX_PATH;

bool EndsWithNoCase(std::u16string_view name, std::u16string_view tail) {
    if (name.size() < tail.size()) return false;
    const std::u16string end(name.substr(name.size() - tail.size()));
    const std::u16string want(tail);
    return _wcsicmp(end.c_str(), want.c_str()) == 0;
}

int RowCount(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }

void InsertRow(HWND list, int index, const std::u16string& text, int image, LPARAM value) {
    std::u16string copy = text;
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = index;
    item.pszText = copy.data();
    item.iImage = image;
    item.lParam = value;
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

// The first row from `from` whose text sorts after the name (or that is a file row, for folders).
int SortedPlace(HWND list, int from, const std::u16string& name, bool stopAtFile) {
    const int count = RowCount(list);
    std::u16string text;
    int image = 0;
    for (int i = from; i < count; ++i) {
        if (!GetNotesRow(list, i, text, image)) continue;
        if (stopAtFile && image == kNotesImageFile) return i;
        if (_wcsicmp(text.c_str(), name.c_str()) > 0) return i;
    }
    return count;
}

}  // namespace

bool IsNoteFileName(std::u16string_view name) {
    for (std::u16string_view extension : kNoteExtensions)
        if (EndsWithNoCase(name, extension)) return true;
    return false;
}

bool IsNotesRoot(std::u16string_view folder) { return folder.empty() || folder == u"\\"; }

std::u16string NotesSearchPattern(std::u16string_view folder) {
    std::u16string pattern(folder);
    pattern += folder == u"\\" ? u"*.*" : u"\\*.*";
    return pattern;
}

std::u16string ParentNotesFolder(std::u16string_view folder) {
    const std::size_t slash = folder.rfind(u'\\');
    return slash == std::u16string_view::npos ? std::u16string() : std::u16string(folder.substr(0, slash));
}

std::u16string NotesChildPath(std::u16string_view folder, std::u16string_view name) {
    std::u16string path(folder);
    path += u'\\';
    path += name;
    return path;
}

bool GetNotesRow(HWND list, int index, std::u16string& text, int& image) {
    WCHAR buffer[kRowTextChars] = {};
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = index;
    item.pszText = buffer;
    item.cchTextMax = kRowTextChars;
    if (!SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return false;
    text = buffer;
    image = item.iImage;
    return true;
}

void InsertNotesFolderRow(HWND list, const std::u16string& name) {
    InsertRow(list, SortedPlace(list, 0, name, true), name, kNotesImageFolder, 0);
    ++g_Notes.rowCount;
    ++g_Notes.folderCount;
}

void InsertNotesFileRow(HWND list, const std::u16string& name) {
    // The "Up" row comes only after the fill, so the files start right after the folders.
    InsertRow(list, SortedPlace(list, g_Notes.folderCount, name, false), name, kNotesImageFile, 0);
    ++g_Notes.rowCount;
}

void FillNotesList(HWND list, const std::u16string& folder) {
    const std::u16string pattern = NotesSearchPattern(folder);
    WIN32_FIND_DATAW found{};
    HANDLE find = FindFirstFileW(pattern.c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::u16string name = found.cFileName;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                if (name != u"." && name != u"..") InsertNotesFolderRow(list, name);
            } else if (IsNoteFileName(name)) {
                InsertNotesFileRow(list, name);
            }
        } while (FindNextFileW(find, &found));
        FindClose(find);
    }
    if (!IsNotesRoot(folder)) InsertRow(list, 0, kNotesUpText, kNotesImageUp, kNotesUpValue);
}
