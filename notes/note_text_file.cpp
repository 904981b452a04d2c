// Reading and writing text notes. The file is read whole and converted once, so a character of a
// multibyte code page is never split between two reads, and written with every byte the code page
// needs; the platform's "w" streams replace the file only when the close succeeds.
#include "notes/note_text_file.h"

#include <cstdio>
#include <string>

#include "core/ansi_text.h"
#include "core/file_handle.h"
#include "core/frame_state.h"
#include "platform/files.h"

namespace {

constexpr std::size_t kReadChunk = 4096;

}  // namespace

std::u16string ToCrLfText(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r')) out += u'\r';
        out += text[i];
    }
    return out;
}

void LoadTextNote(std::u16string& out, HWND, const std::u16string& path) {
    out.clear();
    FileHandle file(_wfopen(path.c_str(), u"r"));
    if (!file) return;
    std::string bytes;
    char chunk[kReadChunk];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof(chunk), file.get())) > 0) bytes.append(chunk, got);
    out = ToCrLfText(FromAnsi(bytes));
}

bool SaveTextNote(const std::u16string& text) {
    const std::string bytes = ToAnsi(text);
    FILE* file = _wfopen(g_Frame.noteFilePath.c_str(), u"w");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    // The close is what puts the new text in place of the old.
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}
