// The ink note editor and its templates: an ink note saved and read back byte for byte, OK with no
// data and Cancel writing nothing, the menu texts and mode cycles, and the template list.
#include <cstdint>

#include "notes/note_commands.h"
#include "notes_fixture.h"
#include "platform/menus.h"
#include "tests/support/prompt_answer.h"

namespace {

using notestest::NotesTest;

constexpr const char16_t* kInkPath = u"\\My Documents\\sketch.pwi";

std::vector<std::uint8_t> ControlData() {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(SendMessageW(g_InkEdit.inkCtl, IM_GETDATALEN, 0, 0)));
    SendMessageW(g_InkEdit.inkCtl, IM_GETDATA, bytes.size(), reinterpret_cast<LPARAM>(bytes.data()));
    return bytes;
}

// A stroke of the stylus across the control.
void DrawStroke() {
    HWND ink = g_InkEdit.inkCtl;
    SendMessageW(ink, WM_LBUTTONDOWN, 0, MAKELPARAM(10, 10));
    SendMessageW(ink, WM_MOUSEMOVE, 0, MAKELPARAM(40, 30));
    SendMessageW(ink, WM_LBUTTONUP, 0, MAKELPARAM(60, 60));
}

std::string AsString(const std::vector<std::uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }

TEST(InkNotePaths, ExtensionAndTemplateNames) {
    struct Case {
        const char16_t* path;
        bool ink;
    };
    // A folder named like an ink note no longer sends a text note to the ink editor.
    const Case cases[] = {{u"a.pwi", true},       {u"a.PWI", true},         {u"a.Pwi", true},
                          {u"a.txt", false},      {u"x.pwi\\a.txt", false}, {u"pwi", false}};
    for (const Case& c : cases) EXPECT_EQ(IsInkNotePath(c.path), c.ink) << "case " << (&c - cases);

    EXPECT_TRUE(IsDotTemplateName(u"Plan.dot"));
    EXPECT_TRUE(IsDotTemplateName(u"Memo.DOT"));
    EXPECT_FALSE(IsDotTemplateName(u"Mixed.Dot"));
    EXPECT_EQ(TemplateInkPath(u"Meeting.dot"), u"\\My Documents\\Templates\\Meeting.pwi");
    EXPECT_EQ(TemplateInkPath(u"Memo.DOT"), u"\\My Documents\\Templates\\Memo.pwi");
}

TEST(InkZoom, CycleAndAnyOtherZoomToHundred) {
    const std::pair<LONG, LONG> cases[] = {{75, 100}, {100, 150}, {150, 200}, {200, 300}, {300, 75}, {125, 100}};
    for (const auto& [from, to] : cases) EXPECT_EQ(NextInkZoom(from), to) << from;
}

class InkNote : public NotesTest {};

TEST_F(InkNote, SavedAndReadBackByteForByte) {
    g_Frame.noteFilePath = kInkPath;
    std::vector<std::uint8_t> written;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        DrawStroke();
        written = ControlData();
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
    });
    OpenInkNote();
    ASSERT_FALSE(written.empty());
    EXPECT_EQ(device_.ReadFile(kInkPath), AsString(written));

    std::vector<std::uint8_t> reread;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        reread = ControlData();
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
    });
    OpenNoteByExt();
    EXPECT_EQ(reread, written);
}

TEST_F(InkNote, CancelAndEmptyDataWriteNothing) {
    g_Frame.noteFilePath = kInkPath;
    platform::testing::ActInsideDialog([](HWND dialog) {
        DrawStroke();
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
    });
    OpenInkNote();
    EXPECT_FALSE(device_.FileExists(kInkPath));

    // OK on an untouched page: the control has no data, and no file is made.
    LRESULT length = -1;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        length = SendMessageW(g_InkEdit.inkCtl, IM_GETDATALEN, 0, 0);
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
    });
    OpenInkNote();
    EXPECT_EQ(length, 0);
    EXPECT_FALSE(device_.FileExists(kInkPath));

    // A buffer that the control left empty writes no file.
    InkBuffer empty;
    SetInkBuffer(&empty);
    EXPECT_EQ(empty.Size(), 0u);
    SetInkBuffer(nullptr);
    EXPECT_FALSE(WriteInkFile(u"\\Missing Folder\\x.pwi", empty));
}

// A new ink note under the name of an existing one started empty and wrote over it on OK.
TEST_F(InkNote, NewInkNoteUnderAnExistingNameOpensIt) {
    g_Frame.noteFilePath = kInkPath;
    platform::testing::ActInsideDialog([](HWND dialog) {
        DrawStroke();
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
    });
    OpenInkNote();
    const std::string saved = device_.ReadFile(kInkPath);
    ASSERT_FALSE(saved.empty());

    ShowNotesView();
    std::vector<std::uint8_t> shown;
    testsupport::AnswerPrompt(kPromptAccepted, u"sketch");
    platform::testing::ActInsideDialog([&](HWND dialog) {
        shown = ControlData();
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
    });
    NewNoteFile(0, 0);
    EXPECT_EQ(AsString(shown), saved);
    EXPECT_EQ(device_.ReadFile(kInkPath), saved);
}

// A note that could not be written was dropped without a word.
TEST_F(InkNote, UnwritableNoteIsReported) {
    g_Frame.noteFilePath = u"\\No Such Folder\\sketch.pwi";
    platform::testing::ActInsideDialog([](HWND dialog) {
        DrawStroke();
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
    });
    OpenInkNote();
    EXPECT_EQ(CountBoxes(u"Unable to Save Note File."), 1);
}

// Bytes the control could not read opened as an empty page, and OK then wrote the empty page over
// the note.
TEST_F(InkNote, ANoteThatCannotBeReadIsNotOpenedAndNeverOverwritten) {
    g_Frame.noteFilePath = kInkPath;
    const std::string damaged = "not an ink page at all";
    device_.WriteFile(kInkPath, damaged);
    // Were the editor to open anyway, a stroke and OK would write over the note.
    platform::testing::ActInsideDialog([&](HWND dialog) {
        if (dialog) {
            DrawStroke();
            SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
        }
    });
    OpenInkNote();
    EXPECT_EQ(CountBoxes(u"This note could not be read, so it is not opened; the file is left as it is."), 1);
    EXPECT_EQ(device_.ReadFile(kInkPath), damaged);
    platform::testing::ClearDialogs();
}

TEST_F(InkNote, MenuTextsFollowTheModesAndTheVoiceBarStaysForTheRun) {
    g_Frame.noteFilePath = kInkPath;
    std::vector<std::u16string> texts;
    auto readMenu = [&](HWND dialog) {
        HMENU menu = CreatePopupMenu();
        for (UINT id : {IDM_INK_VOICE, IDM_INK_DRAW_MODE, IDM_INK_ZOOM}) AppendMenuW(menu, MF_STRING, id, u"");
        SendMessageW(dialog, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
        for (UINT id : {IDM_INK_VOICE, IDM_INK_DRAW_MODE, IDM_INK_ZOOM}) {
            WCHAR text[64] = {};
            GetMenuStringW(menu, id, text, 64, MF_BYCOMMAND);
            texts.push_back(text);
        }
        DestroyMenu(menu);
    };
    LONG firstDraw = -1;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        firstDraw = g_InkEdit.drawMode;
        readMenu(dialog);
        SendMessageW(dialog, WM_COMMAND, IDM_INK_VOICE, 0);
        SendMessageW(dialog, WM_COMMAND, IDM_INK_DRAW_MODE, 0);
        SendMessageW(dialog, WM_COMMAND, IDM_INK_ZOOM, 0);
        readMenu(dialog);
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
    });
    OpenInkNote();
    platform::testing::ActInsideDialog([&](HWND dialog) {
        readMenu(dialog);
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
    });
    OpenInkNote();
    const std::u16string textMode = u"Select Text Mode";
    const std::u16string drawMode = u"Select Draw Mode";
    ASSERT_EQ(texts.size(), 9u);
    EXPECT_EQ(texts[0], u"Show Voice Record");
    EXPECT_EQ(texts[1], firstDraw ? textMode : drawMode);
    EXPECT_EQ(texts[2], u"Zoom(100%)");
    EXPECT_EQ(texts[3], u"Hide Voice Record");
    EXPECT_EQ(texts[4], firstDraw ? drawMode : textMode);
    EXPECT_EQ(texts[5], u"Zoom(150%)");
    EXPECT_EQ(texts[6], u"Hide Voice Record");  // the next note's menu: the bar is still shown
}

TEST_F(InkNote, TemplateListAndTemplateData) {
    CreateDirectoryW(u"\\My Documents\\Templates", nullptr);
    device_.WriteFile(u"\\My Documents\\Templates\\Plan.dot", "");
    device_.WriteFile(u"\\My Documents\\Templates\\Plan.pwi", "plan bytes");
    device_.WriteFile(u"\\My Documents\\Templates\\Memo.DOT", "");
    CreateDirectoryW(u"\\My Documents\\Templates\\Old.dot", nullptr);
    ListNoteTemplates();
    std::vector<std::u16string> names(g_NoteTemplates.names.begin(), g_NoteTemplates.names.end());
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names[0], u"No Template");
    std::sort(names.begin() + 1, names.end());  // in the file system's order
    EXPECT_EQ(names[1], u"Memo.DOT");
    EXPECT_EQ(names[2], u"Plan.dot");

    InkBuffer buffer;
    EXPECT_TRUE(ReadInkFile(TemplateInkPath(u"Plan.dot"), buffer));
    EXPECT_EQ(AsString(buffer.bytes), "plan bytes");
    EXPECT_FALSE(ReadInkFile(TemplateInkPath(u"Memo.DOT"), buffer));
    EXPECT_TRUE(buffer.bytes.empty());
}

TEST_F(InkNote, TemplateListWithoutTheFolderHoldsOnlyNoTemplate) {
    ListNoteTemplates();
    ASSERT_EQ(g_NoteTemplates.names.Size(), 1);
    EXPECT_EQ(g_NoteTemplates.names[0], u"No Template");
}

}  // namespace

namespace {

using notestest::NotesTest;

class InkNoteFaults : public NotesTest {};

// The value sent for index 2 read back as index 3 when the editor opened; each index now gets the
// value that the editor reads back as that index (2 -> 0, 16 -> 1, 64 -> 2, 4 -> 3, 0 -> 4).
TEST_F(InkNoteFaults, InkInputModeWrittenForAnIndexReadsBackAsIt) {
    g_Frame.noteFilePath = kInkPath;
    std::vector<std::pair<LONG, LRESULT>> seen;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        for (int press = 0; press < 5; ++press) {
            SendMessageW(dialog, WM_COMMAND, IDM_INK_INPUT_MODE, 0);
            seen.emplace_back(g_InkEdit.inputModeIndex, SendMessageW(g_InkEdit.inkCtl, IM_GETINPUTMODE, 0, 0));
        }
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
    });
    OpenInkNote();
    const std::vector<std::pair<LONG, LRESULT>> expected = {{1, 16}, {2, 64}, {3, 4}, {4, 0}, {0, 2}};
    EXPECT_EQ(seen, expected);
}

// New Note under a text file's name wrote ink into "todo.txt", which then opened as text and was
// written over as text.
TEST_F(InkNoteFaults, InkNoteNamedLikeATextFileGetsTheInkExtension) {
    ShowNotesView();
    testsupport::AnswerPrompt(kPromptAccepted, u"todo.txt");
    platform::testing::ActInsideDialog([](HWND dialog) {
        DrawStroke();
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
    });
    NewNoteFile(0, 0);
    EXPECT_FALSE(device_.FileExists(u"\\My Documents\\todo.txt")) << "no text file holds ink";
    ASSERT_TRUE(device_.FileExists(u"\\My Documents\\todo.txt.pwi"));
    EXPECT_FALSE(device_.ReadFile(u"\\My Documents\\todo.txt.pwi").empty());
    EXPECT_EQ(g_Frame.noteFilePath, u"\\My Documents\\todo.txt.pwi");
    // Listed as an ink note, which opens in the ink editor.
    bool inkEditor = false;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        inkEditor = g_InkEdit.inkCtl != nullptr;
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
    });
    OpenNoteByExt();
    EXPECT_TRUE(inkEditor);
}

}  // namespace
