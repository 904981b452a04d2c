// The notes view: which names are listed, the order of folders and files, browsing into folders
// and up to the root, the title, the note commands on the folder, and a screenshot.
#include <filesystem>

#include "core/res_string.h"
#include "core/view_id.h"
#include "notes/note_commands.h"
#include "notes_fixture.h"
#include "tests/support/prompt_answer.h"

namespace {

using notestest::NotesTest;
using notestest::Row;

TEST(NoteFileNames, OnlyTheListedExtensionsInAnyCase) {
    struct Case {
        const char16_t* name;
        bool listed;
    };
    const Case cases[] = {
        {u"A.TXT", true},  {u"a.html", true}, {u"a.HTM", true},    {u"n.Pwi", true},  {u"x.xml", true},
        {u"run.log", true}, {u"a.doc", false}, {u"list.old", false}, {u"txt", false},   {u"a.txt.bak", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsNoteFileName(c.name), c.listed);
}

TEST(NoteFolders, PatternAndParent) {
    EXPECT_EQ(NotesSearchPattern(u"\\"), u"\\*.*");
    EXPECT_EQ(NotesSearchPattern(u""), u"\\*.*");
    EXPECT_EQ(NotesSearchPattern(u"\\My Documents"), u"\\My Documents\\*.*");
    EXPECT_EQ(ParentNotesFolder(u"\\My Documents\\Work"), u"\\My Documents");
    EXPECT_EQ(ParentNotesFolder(u"\\My Documents"), u"");
    EXPECT_EQ(ParentNotesFolder(u"Flat"), u"");
}

class NotesView : public NotesTest {
protected:
    void MakeFolder() {
        for (const char16_t* folder : {u"\\My Documents\\b", u"\\My Documents\\A", u"\\My Documents\\x.txt"})
            CreateDirectoryW(folder, nullptr);
        for (const char16_t* file : {u"z.txt", u"B.TXT", u"a.html", u"c.doc", u"n.Pwi"})
            device_.WriteFile(std::u16string(u"\\My Documents\\") + file, "x");
    }
};

TEST_F(NotesView, FoldersFirstThenFilesEachSortedWithoutCase) {
    MakeFolder();
    ShowNotesView();
    EXPECT_EQ(ViewId, kViewNotes);
    EXPECT_EQ(Title(), u"Notes - \\My Documents");
    EXPECT_EQ(Rows(), (std::vector<Row>{{u"Up", 2},
                                        {u"A", 1},
                                        {u"b", 1},
                                        {u"x.txt", 1},
                                        {u"a.html", 4},
                                        {u"B.TXT", 4},
                                        {u"n.Pwi", 4},
                                        {u"z.txt", 4}}));
    EXPECT_EQ(SendMessageW(g_ViewWnds.notesList, LVM_GETSELECTIONMARK, 0, 0), 0);
}

TEST_F(NotesView, BrowsingIntoAFolderAndUpToTheRoot) {
    MakeFolder();
    device_.WriteFile(u"\\My Documents\\A\\inner.txt", "x");
    ShowNotesView();
    SelectRow(1);  // "A"
    OpenSelNotesRow();
    EXPECT_EQ(g_Settings.curNoteDir, u"\\My Documents\\A");
    EXPECT_EQ(Title(), u"Notes - \\My Documents\\A");
    EXPECT_EQ(Rows(), (std::vector<Row>{{u"Up", 2}, {u"inner.txt", 4}}));

    SelectRow(0);
    OpenSelNotesRow();
    SelectRow(0);
    OpenSelNotesRow();
    EXPECT_EQ(g_Settings.curNoteDir, u"");
    EXPECT_EQ(Title(), u"Notes - Root");
    const auto rows = Rows();
    ASSERT_FALSE(rows.empty());
    EXPECT_NE(rows.front().text, u"Up");  // no way up from the root
    EXPECT_NE(std::find(rows.begin(), rows.end(), Row{u"My Documents", 1}), rows.end());
}

TEST_F(NotesView, TapAndEnterOpenARow) {
    MakeFolder();
    ShowNotesView();
    HWND list = g_ViewWnds.notesList;
    RECT row{};
    row.left = LVIR_BOUNDS;
    ASSERT_TRUE(SendMessageW(list, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row)));  // "A"
    const LPARAM at = MAKELPARAM((row.left + row.right) / 2, (row.top + row.bottom) / 2);
    SendMessageW(list, WM_LBUTTONDOWN, 0, at);
    SendMessageW(list, WM_LBUTTONUP, 0, at);
    SendMessageW(list, WM_LBUTTONDBLCLK, 0, at);
    EXPECT_EQ(g_Settings.curNoteDir, u"\\My Documents\\A");

    SelectRow(0);  // "Up"
    SendMessageW(list, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(g_Settings.curNoteDir, u"\\My Documents");
}

TEST_F(NotesView, NewTextNoteGetsItsExtensionAndIsSavedByTheEditor) {
    ShowNotesView();
    struct Case {
        const char16_t* answer;
        const char16_t* path;
    };
    const Case cases[] = {{u"  Shopping ", u"\\My Documents\\Shopping.txt"}, {u"list.old", u"\\My Documents\\list.old"}};
    for (const Case& c : cases) {
        testsupport::AnswerPrompt(kPromptAccepted, c.answer);
        platform::testing::ActInsideDialog([](HWND dialog) {
            ReplaceEditText(dialog, u"milk");
            SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
        });
        NewNoteFile(1, 0);
        EXPECT_EQ(g_Frame.noteFilePath, c.path);
        EXPECT_EQ(device_.ReadFile(c.path), "milk");
    }
    // list.old is kept under its name but not listed.
    EXPECT_EQ(Rows(), (std::vector<Row>{{u"Up", 2}, {u"Shopping.txt", 4}}));
}

TEST_F(NotesView, NoteNameWithQuestionMarkIsRefused) {
    ShowNotesView();
    testsupport::AnswerPrompt(kPromptAccepted, u"what?");
    NewNoteFile(1, 0);
    EXPECT_EQ(CountBoxes(LoadResString(IDS_NO_QUESTION_MARK)), 1);
    EXPECT_EQ(platform::testing::DialogsShown().size(), 1u);  // the prompt only, no editor
}

TEST_F(NotesView, NewFolderRenameAndDelete) {
    device_.WriteFile(u"\\My Documents\\old.txt", "keep");
    ShowNotesView();

    testsupport::AnswerPrompt(kPromptAccepted, u"Work");
    NewNotesFolder();
    EXPECT_EQ(Rows(), (std::vector<Row>{{u"Up", 2}, {u"Work", 1}, {u"old.txt", 4}}));

    SelectRow(2);
    testsupport::AnswerPrompt(kPromptAccepted, u" new.txt ");
    RenameNoteFile();
    EXPECT_EQ(device_.ReadFile(u"\\My Documents\\new.txt"), "keep");
    EXPECT_FALSE(device_.FileExists(u"\\My Documents\\old.txt"));
    EXPECT_TRUE(g_Frame.noteFilePath.empty());

    // A rename to a name with '?' is refused as a new note's name is.
    SelectRow(2);
    testsupport::AnswerPrompt(kPromptAccepted, u"a?.txt");
    RenameNoteFile();
    EXPECT_EQ(CountBoxes(LoadResString(IDS_NO_QUESTION_MARK)), 1);
    EXPECT_TRUE(device_.FileExists(u"\\My Documents\\new.txt"));

    // Delete asks first; No keeps the file, and commands on a folder row do nothing.
    SelectRow(2);
    platform::testing::AnswerMessageBox(IDNO);
    DeleteNoteFile();
    EXPECT_TRUE(device_.FileExists(u"\\My Documents\\new.txt"));
    SelectRow(1);
    DeleteNoteFile();
    EXPECT_EQ(Rows().size(), 3u);

    g_Settings.confirmDel = 0;
    SelectRow(2);
    DeleteNoteFile();
    EXPECT_FALSE(device_.FileExists(u"\\My Documents\\new.txt"));
    EXPECT_EQ(Rows(), (std::vector<Row>{{u"Up", 2}, {u"Work", 1}}));
}

// A name with '\\' or ".." went into the path: the note was written, or moved, outside the folder.
TEST_F(NotesView, NoteNamesAFileNameCannotHoldAreRefused) {
    CreateDirectoryW(u"\\My Documents\\Work", nullptr);
    device_.WriteFile(u"\\My Documents\\Work\\keep.txt", "keep");
    g_Settings.curNoteDir = u"\\My Documents\\Work";
    ShowNotesView();
    struct Case {
        const char16_t* name;
        const char16_t* refusal;
    };
    const Case cases[] = {
        {u"..\\escaped", u"A '\\' is not allowed in the file name."},
        {u"a/b", u"A '/' is not allowed in the file name."},
        {u"x:y", u"A ':' is not allowed in the file name."},
        {u"say \"hi\"", u"A '\"' is not allowed in the file name."},
        {u"<b>", u"A '<' is not allowed in the file name."},
        {u"..", u"A '..' is not allowed in the file name."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::u16string(c.name).size());
        platform::testing::ClearMessageBoxes();
        platform::testing::ClearDialogs();
        testsupport::AnswerPrompt(kPromptAccepted, c.name);
        NewNoteFile(1, 0);
        EXPECT_EQ(CountBoxes(c.refusal), 1);
        EXPECT_EQ(platform::testing::DialogsShown().size(), 1u);  // the prompt only, no editor

        SelectRow(1);  // keep.txt
        testsupport::AnswerPrompt(kPromptAccepted, c.name);
        RenameNoteFile();
        EXPECT_EQ(CountBoxes(c.refusal), 2);
        EXPECT_EQ(device_.ReadFile(u"\\My Documents\\Work\\keep.txt"), "keep");

        // A new folder's name goes into the path the same way.
        testsupport::AnswerPrompt(kPromptAccepted, c.name);
        NewNotesFolder();
        EXPECT_EQ(CountBoxes(c.refusal), 3);
    }
    EXPECT_FALSE(device_.FileExists(u"\\My Documents\\escaped.txt"));
    EXPECT_FALSE(device_.FileExists(u"\\My Documents\\escaped"));
    EXPECT_EQ(Rows(), (std::vector<Row>{{u"Up", 2}, {u"keep.txt", 4}}));
}

// A note that could not be deleted went without a word.
TEST_F(NotesView, AFailedDeleteSaysSoAndKeepsTheNote) {
    device_.WriteFile(u"\\My Documents\\fixed.txt", "fixed");
    SetFileAttributesW(u"\\My Documents\\fixed.txt", FILE_ATTRIBUTE_READONLY);
    g_Settings.confirmDel = 0;
    ShowNotesView();
    SelectRow(1);
    DeleteNoteFile();
    EXPECT_EQ(CountBoxes(u"Unable to Delete File."), 1);
    EXPECT_TRUE(device_.FileExists(u"\\My Documents\\fixed.txt"));
    EXPECT_EQ(Rows(), (std::vector<Row>{{u"Up", 2}, {u"fixed.txt", 4}}));
    EXPECT_EQ(SendMessageW(g_ViewWnds.notesList, LVM_GETSELECTIONMARK, 0, 0), 1);
    SetFileAttributesW(u"\\My Documents\\fixed.txt", FILE_ATTRIBUTE_NORMAL);
}

TEST_F(NotesView, MailStartsTheMailProgramWithTheNote) {
    device_.WriteFile(u"\\My Documents\\memo.txt", "x");
    CreateDirectoryW(u"\\Windows", nullptr);
    device_.WriteFile(u"\\Windows\\tmail.exe", "");
    ShowNotesView();
    platform::testing::ClearStartedPrograms();
    SelectRow(1);
    MailNoteFile();
    const auto started = platform::testing::StartedPrograms();
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].commandLine,
              u"-subject \"Attached: Note File\" -body \"See Attached Text Note File.\" -attach "
              u"\"\\My Documents\\memo.txt\"  ");
}

TEST_F(NotesView, ScreenshotOfTheNotesView) {
    MakeFolder();
    ShowNotesView();
    EXPECT_TRUE(IsWindowVisible(g_ViewWnds.notesList));
    platform::testing::PumpUntilIdle();
    const auto file = std::filesystem::path(QV_TEST_OUTPUT_DIR) / "notes_view.png";
    EXPECT_TRUE(platform::testing::SaveScreenshot(file));
    EXPECT_TRUE(std::filesystem::exists(file));
}

}  // namespace
