// Reading and writing wallet files. Layout: the prefix (always plain), the check word, the next
// item id, five reserved numbers, the item count and the items; numbers are plain text lines in
// every file, strings are counted and, in a secured file, enciphered.
//
// Invariants:
//  1. A file is replaced whole or left as it was; a failed write never leaves part of a wallet.
//  2. A locked wallet holds no items, so it is never written: that would replace the user's file
//     with an empty one after a wrong password.
//  3. A file that ends before its last item, or goes on after it, is refused whole as damaged, so
//     that the next save cannot drop what the read did not reach. Only a wrong check word means a
//     wrong password.
//  4. Every value is written whole: the file is built in memory first and written only when every
//     string went in, so a value the format cannot hold leaves the old file as it was.
#include "wallet/wlt_file.h"

#include <memory>

#include "core/frame_state.h"
#include "core/show_message.h"
#include "platform/files.h"
#include "platform/user.h"

namespace {

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<FILE, FileCloser>;

constexpr int kStampMembers = 8;

WORD* StampMember(SYSTEMTIME& stamp, int index) {
    WORD* const members[kStampMembers] = {&stamp.wYear,   &stamp.wMonth,  &stamp.wDayOfWeek, &stamp.wDay,
                                          &stamp.wHour,   &stamp.wMinute, &stamp.wSecond,    &stamp.wMilliseconds};
    return members[index];
}

bool SerializeStr(RecordFile& stream, std::u16string& text, WltDirection direction) {
    if (direction == WltDirection::Write) return WriteStrLine(stream, text);
    text = ReadStrLine(stream);
    return true;
}

bool SerializeNum(RecordFile& stream, LONG& number, WltDirection direction) {
    if (direction == WltDirection::Write) return WriteNumLine(stream, number);
    number = ReadNumLine(stream);
    return true;
}

// A count read from a file; a negative one (damage) reads as none.
LONG ReadCountLine(RecordFile& stream) {
    const LONG count = ReadNumLine(stream);
    return count < 0 ? 0 : count;
}

}  // namespace

bool WltEntrySerialize(WltEntry& field, RecordFile& stream, WltDirection direction) {
    bool ok = SerializeStr(stream, field.label, direction);
    ok = SerializeStr(stream, field.value, direction) && ok;
    ok = SerializeNum(stream, field.kind, direction) && ok;
    for (int i = 0; i < kStampMembers; ++i) {
        LONG member = *StampMember(field.stamp, i);
        ok = SerializeNum(stream, member, direction) && ok;
        *StampMember(field.stamp, i) = static_cast<WORD>(member);
    }
    if (direction == WltDirection::Write) {
        ok = WriteNumLine(stream, field.extras.Size()) && ok;
        for (std::u16string& extra : field.extras) ok = WriteStrLine(stream, extra) && ok;
        return ok;
    }
    field.extras.RemoveAll();
    const LONG count = ReadCountLine(stream);
    for (LONG i = 0; i < count && !stream.endOfFile; ++i) field.extras.Append(ReadStrLine(stream));
    return !stream.endOfFile;
}

bool WltItemSerialize(WltItem& item, RecordFile& stream, WltDirection direction) {
    bool ok = SerializeStr(stream, item.name, direction);
    ok = SerializeStr(stream, item.type, direction) && ok;
    ok = SerializeStr(stream, item.categories, direction) && ok;
    ok = SerializeNum(stream, item.icon, direction) && ok;
    ok = SerializeNum(stream, item.itemId, direction) && ok;
    if (direction == WltDirection::Write) {
        ok = WriteNumLine(stream, item.fields.Size()) && ok;
        for (WltEntry& field : item.fields) ok = WltEntrySerialize(field, stream, direction) && ok;
        return ok;
    }
    item.fields.RemoveAll();
    const LONG count = ReadCountLine(stream);
    for (LONG i = 0; i < count && !stream.endOfFile; ++i) {
        WltEntry field;
        if (!WltEntrySerialize(field, stream, direction)) break;
        WltItemAddField(item, field);
    }
    return !stream.endOfFile;
}

LONG CheckWltFileHeader() {
    const FileHandle handle(_wfopen(g_Wlt.path.c_str(), u"rb"));
    if (!handle) return 1;
    RecordFile stream;
    stream.file = handle.get();
    ReadStrLine(stream);
    return ReadStrLine(stream) == kWltCheckWord ? 0 : 1;
}

void ReadWalletFile() {
    g_Wlt.items.RemoveAll();
    g_Wlt.secured = CheckWltFileHeader();
    const FileHandle handle(_wfopen(g_Wlt.path.c_str(), u"rb"));
    if (!handle) return;
    RecordFile stream;
    stream.file = handle.get();
    ReadStrLine(stream);
    if (g_Wlt.secured) InitRecFileKey(stream, g_Wlt.password);
    if (ReadStrLine(stream) != kWltCheckWord) {
        ShowMessage(g_Frame.mainWnd, kWltIncorrectPasswordText, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const LONG nextId = ReadNumLine(stream);
    LONG reserved[kWltReservedCount] = {};
    for (LONG& number : reserved) number = ReadNumLine(stream);
    const LONG count = ReadCountLine(stream);
    WltItemArray items;
    for (LONG i = 0; i < count && !stream.endOfFile; ++i) {
        WltItem item;
        if (!WltItemSerialize(item, stream, WltDirection::Read)) break;
        items.Append(item);
    }
    // Bytes after the last item mean a damaged count: the items past it would be lost.
    if (stream.endOfFile || std::fgetc(handle.get()) != EOF) {
        ShowMessage(g_Frame.mainWnd, kWltDamagedText, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    g_Wlt.items = std::move(items);
    g_Wlt.nextItemId = nextId;
    for (int i = 0; i < kWltReservedCount; ++i) g_Wlt.reserved[i] = reserved[i];
    g_Wlt.locked = 0;
}

bool WriteWalletFile() {
    if (g_Wlt.locked || g_Wlt.path.empty()) return false;
    std::string bytes;
    RecordFile stream;
    stream.sink = &bytes;
    bool ok = WriteStrLine(stream, kWltPrefix);
    if (g_Wlt.secured) InitRecFileKey(stream, g_Wlt.password);
    ok = WriteStrLine(stream, kWltCheckWord) && ok;
    ok = WriteNumLine(stream, g_Wlt.nextItemId) && ok;
    for (const LONG number : g_Wlt.reserved) ok = WriteNumLine(stream, number) && ok;
    ok = WriteNumLine(stream, g_Wlt.items.Size()) && ok;
    for (const WltItem& item : g_Wlt.items) {
        WltItem copy = item;
        ok = WltItemSerialize(copy, stream, WltDirection::Write) && ok;
    }
    if (!ok) return false;
    // The stream replaces the file only at a successful close, and a failed write discards it.
    FILE* file = _wfopen(g_Wlt.path.c_str(), u"wb");
    if (!file) return false;
    ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

bool SaveWalletFile() {
    if (WriteWalletFile()) return true;
    ShowMessage(g_Frame.mainWnd, kWltNotSavedText, MB_OK | MB_ICONEXCLAMATION);
    return false;
}
