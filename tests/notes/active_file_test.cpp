// The ACTIVEFILE hand-over: the path a second start writes is what the running instance reads, a
// missing value leaves the target alone, and a path too long to carry is refused.
#include "core/active_file.h"
#include "core/main_messages.h"
#include "core/reg_key.h"
#include "frame/cmd_messages.h"
#include "frame/settings_store.h"
#include "notes_fixture.h"

namespace {

using notestest::NotesTest;

class ActiveFile : public NotesTest {};

TEST_F(ActiveFile, WrittenPathIsReadBackAndMissingValueLeavesTheTarget) {
    std::u16string path = u"previous";
    LoadActiveFile(path);
    EXPECT_EQ(path, u"previous");

    SaveActiveFile(u"\\My Documents\\a.pwi");
    LoadActiveFile(path);
    EXPECT_EQ(path, u"\\My Documents\\a.pwi");
}

// A path beyond what the value holds left the older value in place, so the running instance
// opened the file handed over before.
TEST_F(ActiveFile, PathTooLongIsRefusedAndTheOldValueRemoved) {
    SaveActiveFile(u"\\My Documents\\old.txt");
    const std::u16string longest = u"\\" + std::u16string(258, u'a');
    SaveActiveFile(longest);
    std::u16string path;
    LoadActiveFile(path);
    EXPECT_EQ(path, longest);

    SaveActiveFile(u"\\" + std::u16string(259, u'a'));
    path = u"unchanged";
    LoadActiveFile(path);
    EXPECT_EQ(path, u"unchanged");
}

TEST_F(ActiveFile, HandOverShowsTheNotesViewAndOpensTheNote) {
    device_.WriteFile(u"\\My Documents\\handed.txt", "handed over");
    SaveActiveFile(u"\\My Documents\\handed.txt");
    SetForegroundWindow(host_);
    std::u16string shown;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        shown = EditText(dialog);
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
    });
    OnCmdLineMessage(host_, kMsgCmdTxtFile, 0, 0);
    EXPECT_EQ(shown, u"handed over");
    EXPECT_EQ(g_Frame.noteFilePath, u"\\My Documents\\handed.txt");
    EXPECT_EQ(g_CmdLine.txtFile, 0);
    EXPECT_NE(g_ViewWnds.notesList, nullptr);

    // An ink note handed over the same way opens in the ink editor.
    device_.WriteFile(u"\\My Documents\\sketch.pwi", "");
    SaveActiveFile(u"\\My Documents\\sketch.pwi");
    bool inkEditor = false;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        inkEditor = g_InkEdit.inkCtl != nullptr;
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
    });
    OnCmdLineMessage(host_, kMsgCmdTxtFile, 0, 0);
    EXPECT_TRUE(inkEditor);
}

TEST_F(ActiveFile, HandOverIsIgnoredWhileAnotherProgramIsInFront) {
    SaveActiveFile(u"\\My Documents\\handed.txt");
    platform::testing::ClearForegroundWindow();
    OnCmdLineMessage(host_, kMsgCmdTxtFile, 0, 0);
    EXPECT_TRUE(g_Frame.noteFilePath.empty());
    EXPECT_TRUE(platform::testing::DialogsShown().empty());
}

}  // namespace
