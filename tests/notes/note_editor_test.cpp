// The text note editor: loading with CR LF line ends, saving only what was changed and every byte
// of it, find, the caret in field mode, and a screenshot.
#include <filesystem>

#include "core/date_rec.h"
#include "notes_fixture.h"
#include "notes/note_text_file.h"
#include "platform/controls.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "platform/time.h"

namespace {

using notestest::NotesTest;

constexpr const char16_t* kNotePath = u"\\My Documents\\note.txt";

TEST(NoteLineEnds, EveryBareLineFeedGetsACarriageReturn) {
    struct Case {
        const char16_t* in;
        const char16_t* out;
    };
    const Case cases[] = {
        {u"", u""}, {u"plain", u"plain"}, {u"a\nb", u"a\r\nb"}, {u"a\r\nb\n", u"a\r\nb\r\n"}, {u"\n\n", u"\r\n\r\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(ToCrLfText(c.in), c.out) << "case " << (&c - cases);
}

TEST(NoteTitles, AfterTheLastBackslash) {
    EXPECT_EQ(GetNoteTitle(u"\\My Documents\\a.txt"), u"a.txt");
    EXPECT_EQ(GetNoteTitle(u"bare.txt"), u"bare.txt");
    EXPECT_EQ(GetNoteTitle(u""), u"<None>");
}

class NoteEditor : public NotesTest {
protected:
    // Opens the editor on the note and runs `act` inside it; the dialog's result.
    INT_PTR EditNote(const std::function<void(HWND)>& act) {
        g_Frame.noteFilePath = kNotePath;
        platform::testing::ActInsideDialog(act);
        return ShowNoteEditDlg();
    }
};

TEST_F(NoteEditor, LineFeedFileIsShownWithCrLfAndWrittenBackSo) {
    device_.WriteFile(kNotePath, "one\ntwo\n");
    std::u16string shown;
    std::u16string title;
    EXPECT_EQ(EditNote([&](HWND dialog) {
                  shown = EditText(dialog);
                  WCHAR text[64] = {};
                  GetWindowTextW(dialog, text, 64);
                  title = text;
                  ReplaceEditText(dialog, shown + u"three");
                  SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
              }),
              kDlgAccept);
    EXPECT_EQ(shown, u"one\r\ntwo\r\n");
    EXPECT_EQ(title, u"note.txt");
    EXPECT_EQ(device_.ReadFile(kNotePath), "one\r\ntwo\r\nthree");
}

TEST_F(NoteEditor, DoneWithoutTypingLeavesTheFileUntouched) {
    device_.WriteFile(kNotePath, "one\ntwo");
    const auto before = std::filesystem::last_write_time(device_.HostPath(kNotePath));
    EditNote([](HWND dialog) { SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0); });
    EXPECT_EQ(device_.ReadFile(kNotePath), "one\ntwo");
    EXPECT_EQ(std::filesystem::last_write_time(device_.HostPath(kNotePath)), before);
    // Cancel after typing writes nothing either.
    EXPECT_EQ(EditNote([](HWND dialog) {
                  ReplaceEditText(dialog, u"gone");
                  SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
              }),
              kDlgCancel);
    EXPECT_EQ(device_.ReadFile(kNotePath), "one\ntwo");
}

TEST_F(NoteEditor, LongLineIsReadWholeWithoutBreaks) {
    const std::string line(600, 'x');
    device_.WriteFile(kNotePath, line + "\nend");
    std::u16string shown;
    EditNote([&](HWND dialog) {
        shown = EditText(dialog);
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
    });
    EXPECT_EQ(shown, std::u16string(600, u'x') + u"\r\nend");
}

// A text of characters that take more than one byte each was cut at one byte per character.
TEST_F(NoteEditor, SaveKeepsEveryByteOfMultibyteText) {
    const std::u16string text = u"Gr\u00fc\u00dfe \u2192 \u6771\u4eac";
    EditNote([&](HWND dialog) {
        ReplaceEditText(dialog, text);
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
    });
    std::u16string shown;
    EditNote([&](HWND dialog) {
        shown = EditText(dialog);
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
    });
    EXPECT_EQ(shown, text);
}

TEST_F(NoteEditor, UnwritableNoteKeepsTheEditorOpen) {
    CreateDirectoryW(kNotePath, nullptr);  // a folder where the file would go
    int attempts = 0;
    EditNote([&](HWND dialog) {
        ReplaceEditText(dialog, u"text");
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
        attempts = platform::testing::DialogIsOpen(dialog) ? 1 : 0;
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
    });
    EXPECT_EQ(attempts, 1);
    EXPECT_EQ(CountBoxes(u"Unable to Save Note File."), 1);
}

// A match at index 0 used to read as "no match", so Find Next stayed on it for ever.
TEST_F(NoteEditor, MatchAtTheStartKeepsFindNextGoing) {
    device_.WriteFile(kNotePath, "abc then ABC");
    std::vector<LONG> found;
    EditNote([&](HWND dialog) {
        g_NoteEdit.searchText = u"ABC";
        for (int i = 0; i < 3; ++i) {
            FindNoteTextNext(dialog);
            found.push_back(g_NoteEdit.findPos);
        }
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
    });
    EXPECT_EQ(found, (std::vector<LONG>{0, 9, kNoFindPos}));
    EXPECT_EQ(CountBoxes(u"No Text Found."), 1);
}

TEST_F(NoteEditor, FieldModeCaretAtTheEndOrTheStart) {
    for (const LONG atEnd : {1, 0}) {
        DWORD start = 99;
        DWORD end = 99;
        std::u16string text = u"field text";
        platform::testing::ActInsideDialog([&](HWND dialog) {
            SendDlgItemMessageW(dialog, IDC_NOTE_EDIT, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                                reinterpret_cast<LPARAM>(&end));
            ReplaceEditText(dialog, u"edited");
            SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
        });
        EXPECT_TRUE(EditTextFieldDlg(host_, text, atEnd));
        EXPECT_EQ(text, u"edited");
        EXPECT_EQ(start, atEnd ? 10u : 0u);
        EXPECT_EQ(end, start);
    }
    EXPECT_EQ(g_NoteEdit.noteMode, 0);
}

TEST_F(NoteEditor, DateStampIsTimeThenShortDate) {
    platform::testing::FreezeClock(DateRec(2026, 3, 3, 14, 5));
    g_Settings.hours24 = 1;
    const std::u16string stamp = BuildDateTimeStamp();
    platform::testing::ThawClock();
    EXPECT_EQ(stamp.substr(0, 6), u"14:05 ");
    EXPECT_NE(stamp.find(u"3"), std::u16string::npos);
}

TEST_F(NoteEditor, ScreenshotOfTheEditor) {
    device_.WriteFile(kNotePath, "Shopping\nmilk\nbread\n");
    bool saved = false;
    EditNote([&](HWND dialog) {
        platform::testing::PumpUntilIdle();
        saved = platform::testing::SaveScreenshot(std::filesystem::path(QV_TEST_OUTPUT_DIR) / "note_editor.png");
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
    });
    EXPECT_TRUE(saved);
}

}  // namespace
