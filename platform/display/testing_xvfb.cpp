// The test API's virtual X display: Xvfb started on the first free display number.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/testing_display.h"

extern char** environ;

namespace platform::testing {
namespace {

constexpr const char* kXvfb = "/usr/bin/Xvfb";
constexpr int kFirstDisplay = 91;
constexpr int kLastDisplay = 199;
constexpr auto kStartTimeout = std::chrono::seconds(10);
constexpr auto kPollStep = std::chrono::milliseconds(20);

std::filesystem::path SocketOf(int display) { return "/tmp/.X11-unix/X" + std::to_string(display); }
std::filesystem::path LockOf(int display) { return "/tmp/.X" + std::to_string(display) + "-lock"; }

}  // namespace

VirtualDisplay::VirtualDisplay() {
    std::error_code ec;
    if (!std::filesystem::exists(kXvfb, ec)) return;
    int display = kFirstDisplay + static_cast<int>(getpid() % 50);
    for (; display <= kLastDisplay; ++display)
        if (!std::filesystem::exists(SocketOf(display), ec) && !std::filesystem::exists(LockOf(display), ec)) break;
    if (display > kLastDisplay) return;
    std::string name = ":" + std::to_string(display);
    std::string program = kXvfb, screenFlag = "-screen", screenNumber = "0", geometry = "800x800x24",
                noTcp = "-nolisten", tcp = "tcp";
    char* argv[] = {program.data(), name.data(), screenFlag.data(), screenNumber.data(), geometry.data(),
                    noTcp.data(), tcp.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, kXvfb, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return;
    pid_ = pid;
    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    while (!std::filesystem::exists(SocketOf(display), ec)) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return;
        }
        if (std::chrono::steady_clock::now() >= deadline) return;
        std::this_thread::sleep_for(kPollStep);
    }
    name_ = name;
}

VirtualDisplay::~VirtualDisplay() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    while (waitpid(pid_, &status, WNOHANG) != pid_) {
        if (std::chrono::steady_clock::now() >= deadline) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &status, 0);
            break;
        }
        std::this_thread::sleep_for(kPollStep);
    }
}

}  // namespace platform::testing
