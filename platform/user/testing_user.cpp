// The test API of the windowing area: pumping a thread's queue, the foreground window, and second
// processes made from the test executable.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <thread>

#include "platform/device.h"
#include "platform/testing_user.h"
#include "user/message_queue.h"
#include "user/window_state.h"

extern char** environ;

namespace platform::testing {
namespace {

constexpr auto kPollStep = std::chrono::milliseconds(5);
// A queue that never empties (a window that invalidates itself as it paints) ends the pump here.
constexpr int kMostMessagesPerPump = 100000;

}  // namespace

int PumpMessages() {
    int count = 0;
    MSG msg{};
    while (count < kMostMessagesPerPump && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // left for the loop that owns it
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        ++count;
    }
    return count;
}

bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    const auto queue = CurrentQueue();
    for (;;) {
        PumpMessages();
        if (done()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::unique_lock guard(queue->lock);
        queue->wake.wait_for(guard, kPollStep, [&] { return queue->woken; });
        queue->woken = false;
    }
}

void ClearForegroundWindow() { SetForegroundHandle(nullptr); }

ChildProcess::ChildProcess(const std::string& filter, const std::map<std::string, std::string>& environment) {
    std::map<std::string, std::string> variables;
    for (char** e = environ; *e; ++e) {
        const std::string entry(*e);
        const auto eq = entry.find('=');
        if (eq != std::string::npos) variables[entry.substr(0, eq)] = entry.substr(eq + 1);
    }
    variables["QUORVIA_DEVICE"] = DeviceRoot().string();
    for (const auto& [key, value] : environment) variables[key] = value;
    std::vector<std::string> entries;
    for (const auto& [key, value] : variables) entries.push_back(key + "=" + value);
    std::vector<char*> envp;
    for (std::string& entry : entries) envp.push_back(entry.data());
    envp.push_back(nullptr);

    std::string exe = std::filesystem::read_symlink("/proc/self/exe").string();
    std::string filterArgument = "--gtest_filter=" + filter;
    char* argv[] = {exe.data(), filterArgument.data(), nullptr};
    pid_t pid = -1;
    if (posix_spawn(&pid, exe.c_str(), nullptr, nullptr, argv, envp.data()) == 0) pid_ = pid;
}

ChildProcess::~ChildProcess() {
    if (pid_ > 0 && status_ < 0) {
        Kill();
        Wait(std::chrono::seconds(5));
    }
}

int ChildProcess::Wait(std::chrono::milliseconds timeout) {
    if (pid_ <= 0) return -1;
    if (status_ >= 0) return status_;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        int status = 0;
        const pid_t done = waitpid(pid_, &status, WNOHANG);
        if (done == pid_) {
            status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
            return WIFEXITED(status) ? status_ : -1;
        }
        if (done < 0 || std::chrono::steady_clock::now() >= deadline) return -1;
        std::this_thread::sleep_for(kPollStep);
    }
}

void ChildProcess::Kill() {
    if (pid_ > 0 && status_ < 0) kill(pid_, SIGKILL);
}

bool WaitForFile(const std::string& hostPath, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::error_code ec;
    while (!std::filesystem::exists(hostPath, ec)) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(kPollStep);
    }
    return true;
}

}  // namespace platform::testing
