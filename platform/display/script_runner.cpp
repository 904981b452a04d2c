// The input script runner; see script_runner.h and platform/display.h.
#include "display/script_runner.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

#include "display/device_input.h"
#include "display/screen_pixels.h"
#include "kernel/clock.h"
#include "platform/text.h"
#include "platform/display.h"
#include "platform/time.h"
#include "shell/menu_bar.h"
#include "shell/nav_bar.h"
#include "user/message_queue.h"
#include "user/window_table.h"

namespace platform {
namespace {

constexpr UINT kStepMs = 10;
// After `quit` the program's windows have this long to close before the process ends anyway.
constexpr DWORD kQuitGraceMs = 5000;
constexpr int kScriptFailed = 2;

struct Script {
    std::string path;
    std::vector<std::string> lines;
    std::size_t next = 0;
    DWORD waitUntil = 0;
    bool waiting = false;
    bool quitting = false;
    DWORD quitBy = 0;
    UINT_PTR timer = 0;
};

Script& TheScript() {
    static Script script;
    return script;
}

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

struct Parsed {
    std::string command;
    std::string rest;  // what follows the command
    std::vector<std::string> words;
};

Parsed Parse(const std::string& line) {
    Parsed p;
    const std::string trimmed = Trim(line);
    const auto space = trimmed.find_first_of(" \t");
    p.command = trimmed.substr(0, space);
    p.rest = space == std::string::npos ? std::string() : Trim(trimmed.substr(space));
    std::istringstream in(p.rest);
    for (std::string w; in >> w;) p.words.push_back(w);
    return p;
}

bool ParseNumber(const std::string& word, long& out) {
    char* end = nullptr;
    out = std::strtol(word.c_str(), &end, 10);
    return !word.empty() && end && *end == 0;
}

bool ParsePoint(const Parsed& p, POINT& out) {
    long x = 0, y = 0;
    if (p.words.size() != 2 || !ParseNumber(p.words[0], x) || !ParseNumber(p.words[1], y)) return false;
    out = {static_cast<LONG>(x), static_cast<LONG>(y)};
    return true;
}

std::optional<StylusGesture> GestureOf(const std::string& command) {
    if (command == "tap") return StylusGesture::Tap;
    if (command == "hold") return StylusGesture::Hold;
    if (command == "dtap") return StylusGesture::DoubleTap;
    return std::nullopt;
}

[[noreturn]] void Fail(const Script& s, std::size_t lineIndex, const std::string& why) {
    std::fprintf(stderr, "quorvia: script %s, line %zu: %s: \"%s\"\n", s.path.c_str(), lineIndex + 1, why.c_str(),
                 lineIndex < s.lines.size() ? Trim(s.lines[lineIndex]).c_str() : "");
    std::fflush(nullptr);
    std::_Exit(kScriptFailed);
}

[[noreturn]] void Finish() {
    std::fflush(nullptr);
    std::_Exit(0);
}

bool IsProgramWindow(HWND hwnd) {
    WCHAR name[32] = {};
    GetClassNameW(hwnd, name, 32);
    const std::u16string_view n(name);
    return IsWindowVisible(hwnd) && n != kNavBarClass && n != kMenuBarClass && n != kPopupMenuClass;
}

// `quit`: the program's windows are asked to close, then the process ends.
void BeginQuit(Script& s) {
    s.quitting = true;
    s.quitBy = GetTickCount() + kQuitGraceMs;
    for (const HWND h : TopLevelWindows())
        if (IsProgramWindow(h)) PostMessageW(h, WM_CLOSE, 0, 0);
}

void WatchQuit(const Script& s) {
    bool anyLeft = false;
    for (const HWND h : TopLevelWindows()) anyLeft = anyLeft || IsProgramWindow(h);
    if (!anyLeft || static_cast<LONG>(GetTickCount() - s.quitBy) >= 0) Finish();
}

// Runs one line; false with `why` when it cannot.
bool RunLine(Script& s, const std::string& line, std::string& why) {
    why = CheckScriptLine(line);
    if (!why.empty()) return false;
    const Parsed p = Parse(line);
    if (p.command.empty() || p.command[0] == '#') return true;
    POINT at{};
    long number = 0;
    if (const auto gesture = GestureOf(p.command)) {
        ParsePoint(p, at);
        StylusGestureAt(at, *gesture);
    } else if (p.command == "key") {
        const UINT key = *KeyFromName(p.words[0]);
        DeviceKey(key, true);
        DeviceKey(key, false);
    } else if (p.command == "text") {
        DeviceTypeKeys(platform::FromUtf8(p.rest));
    } else if (p.command == "wait") {
        ParseNumber(p.words[0], number);
        s.waitUntil = GetTickCount() + static_cast<DWORD>(number);
        s.waiting = true;
    } else if (p.command == "shot") {
        if (!SaveScreenPng(p.rest)) {
            why = "cannot write the screenshot";
            return false;
        }
    } else if (p.command == "rotate") {
        RotateScreen();
    } else if (p.command == "quit") {
        BeginQuit(s);
    }
    return true;
}

// The step timer fires the next time the queue has nothing else to hand out (timers come after
// posted messages and paints).
void StepWhenIdle(UINT_PTR timer) {
    const auto queue = CurrentQueue();
    const std::lock_guard guard(queue->lock);
    for (Timer& t : queue->timers)
        if (!t.hwnd && t.id == timer) t.due = ClockNowMs();
}

// True when the queue holds nothing the line before left to do: no input, paint or timer due.
bool ProgramIsIdle() {
    MSG pending{};
    return !PeekMessageW(&pending, nullptr, 0, 0, PM_NOREMOVE);
}

void RunNextLine(Script& s) {
    if (s.quitting) return WatchQuit(s);
    if (s.waiting) {
        if (static_cast<LONG>(GetTickCount() - s.waitUntil) < 0) return;
        s.waiting = false;
    }
    if (!ProgramIsIdle()) return;
    if (s.next >= s.lines.size()) return BeginQuit(s);
    const std::size_t index = s.next++;
    std::string why;
    if (!RunLine(s, s.lines[index], why)) Fail(s, index, why);
}

// The step timer's period is only the longest a line waits: the next line runs as soon as the queue
// is idle again, except while a `wait` runs or the windows close after `quit`.
void CALLBACK ScriptStep(HWND, UINT, UINT_PTR, DWORD) {
    Script& s = TheScript();
    // The title bar paints before the next line looks at the screen.
    if (!RefreshNavBar()) RunNextLine(s);
    if (!s.waiting && !s.quitting) StepWhenIdle(s.timer);
}

}  // namespace

std::string CheckScriptLine(const std::string& line) {
    const Parsed p = Parse(line);
    if (p.command.empty() || p.command[0] == '#') return {};
    POINT at{};
    long number = 0;
    if (GestureOf(p.command)) return ParsePoint(p, at) ? "" : "needs two whole numbers X Y";
    if (p.command == "key")
        return p.words.size() == 1 && KeyFromName(p.words[0]) ? "" : "needs one key name (UP, ENTER, SOFT1, A, 7...)";
    if (p.command == "text") return p.rest.empty() ? "needs the text to type" : "";
    if (p.command == "wait")
        return p.words.size() == 1 && ParseNumber(p.words[0], number) && number >= 0 ? "" : "needs milliseconds";
    if (p.command == "shot") return p.rest.empty() ? "needs a file name" : "";
    if (p.command == "rotate" || p.command == "quit") return p.words.empty() ? "" : "takes nothing after it";
    return "unknown command";
}

bool StartScriptIfRequested() {
    const char* path = std::getenv("QUORVIA_SCRIPT");
    if (!path || !*path) return false;
    Script& s = TheScript();
    s = Script{};
    s.path = path;
    std::ifstream in(path);
    if (!in) {
        std::fprintf(stderr, "quorvia: cannot read the script %s\n", path);
        std::fflush(nullptr);
        std::_Exit(kScriptFailed);
    }
    for (std::string line; std::getline(in, line);) s.lines.push_back(line);
    s.timer = SetTimer(nullptr, 0, kStepMs, ScriptStep);
    return true;
}

}  // namespace platform
