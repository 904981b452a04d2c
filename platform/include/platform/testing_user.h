// The test API of windows, messages, message boxes and processes: scripted answers for message boxes,
// the record of every box shown and every program started, actions run inside modal loops, pumping a
// thread's queue, and second processes made from the test executable itself.
#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/types.h"

namespace platform::testing {

// Message boxes. Answers are taken in order by the boxes that follow, on any thread; a box with no
// scripted answer gets its default button (MB_DEFBUTTONn, else the first).
struct MessageBoxShown {
    HWND owner;
    std::u16string text;
    std::u16string caption;
    UINT type;
    int result;  // 0 while the box is still up
};
void AnswerMessageBox(int result);
std::vector<MessageBoxShown> MessageBoxesShown();
void ClearMessageBoxes();  // the record and the answers not yet used

// Runs `action` once, on the thread of the next modal loop (message box or dialog) that waits for
// input, while that loop is up; the action may answer the box (AnswerMessageBox) or end it.
void ActInsideModalLoop(std::function<void()> action);
// Ends the innermost modal loop of the calling thread with `result`; false when none is running.
bool EndModalLoop(int result);

// Handles every message the calling thread has now, due timers and paints included, and returns
// how many were dispatched. Messages posted while pumping are handled too.
int PumpMessages();
// Pumps until `done` holds or `timeout` passes (in real time); false on timeout.
bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);

// Another program is in front: no window of this process is the foreground window.
void ClearForegroundWindow();

// Programs started with CreateProcessW or ShellExecuteExW.
struct StartedProgram {
    std::u16string program;      // the device path found ("\Windows\peghelp.exe"), or the document or address
    std::u16string commandLine;  // the command line or parameters as given
    std::u16string verb;         // ShellExecuteExW's verb, empty otherwise
};
std::vector<StartedProgram> StartedPrograms();
// Also ends a refusal.
void ClearStartedPrograms();
// While on, ShellExecuteExW fails as for a program that cannot start (access denied).
void RefuseProgramStarts(bool refuse);
// The device's help viewer ("peghelp.exe" runs it on the thread that started it), or nullptr.
HWND ShownHelpViewer();

// A second process: this test executable again, running only the tests of `filter` with the extra
// environment variables given (the device root is passed on as QUORVIA_DEVICE). Killed when the
// object goes, if still running.
class ChildProcess {
public:
    ChildProcess(const std::string& filter, const std::map<std::string, std::string>& environment);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return pid_ > 0; }
    // The exit status, or -1 when it has not ended within `timeout` (or died by a signal).
    int Wait(std::chrono::milliseconds timeout);
    void Kill();
    int Pid() const { return pid_; }

private:
    int pid_ = -1;
    int status_ = -1;
};

// Waits until a file appears (a child's signal that it is ready), at most `timeout`.
bool WaitForFile(const std::string& hostPath, std::chrono::milliseconds timeout);

}  // namespace platform::testing
