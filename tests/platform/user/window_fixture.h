// A window class for the windowing tests: its procedure writes every message it gets into a log and
// lets a test answer chosen messages itself.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/testing.h"
#include "platform/system.h"
#include "platform/testing_user.h"
#include "platform/threads.h"
#include "platform/user.h"

namespace qvtest {

struct Logged {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class MessageLog {
public:
    static MessageLog& Instance() {
        static MessageLog log;
        return log;
    }
    void Add(const Logged& entry) {
        const std::lock_guard guard(lock_);
        entries_.push_back(entry);
    }
    void Clear() {
        const std::lock_guard guard(lock_);
        entries_.clear();
        handlers_.clear();
    }
    // The messages of one window (or of all with nullptr), in order, leaving out those in `ignore`.
    std::vector<UINT> Messages(HWND hwnd = nullptr, const std::vector<UINT>& ignore = {}) {
        const std::lock_guard guard(lock_);
        std::vector<UINT> out;
        for (const Logged& e : entries_)
            if ((!hwnd || e.hwnd == hwnd) && std::find(ignore.begin(), ignore.end(), e.message) == ignore.end())
                out.push_back(e.message);
        return out;
    }
    std::vector<Logged> Entries() {
        const std::lock_guard guard(lock_);
        return entries_;
    }
    using Handler = std::function<std::optional<LRESULT>(HWND, WPARAM, LPARAM)>;
    void On(UINT message, Handler handler) {
        const std::lock_guard guard(lock_);
        handlers_[message] = std::move(handler);
    }
    Handler HandlerFor(UINT message) {
        const std::lock_guard guard(lock_);
        const auto it = handlers_.find(message);
        return it == handlers_.end() ? Handler{} : it->second;
    }

private:
    std::mutex lock_;
    std::vector<Logged> entries_;
    std::map<UINT, Handler> handlers_;
};

inline LRESULT CALLBACK LoggingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    MessageLog::Instance().Add({hwnd, message, wParam, lParam});
    if (const auto handler = MessageLog::Instance().HandlerFor(message))
        if (const auto result = handler(hwnd, wParam, lParam)) return *result;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

inline constexpr const WCHAR* kTestClass = u"QvTestWindow";

inline void RegisterTestClass() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = LoggingProc;
    wc.cbWndExtra = 16;
    wc.lpszClassName = kTestClass;
    RegisterClassW(&wc);  // already there after the first test
}

// A test device, a fresh log and the test class; windows left by a test are destroyed.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestClass();
        MessageLog::Instance().Clear();
        platform::testing::ClearMessageBoxes();
    }
    void TearDown() override {
        MessageLog::Instance().Clear();
        for (HWND h = FindWindowW(kTestClass, nullptr); h && IsWindow(h); h = FindWindowW(kTestClass, nullptr))
            if (!DestroyWindow(h)) break;
        platform::testing::PumpMessages();
    }
    HWND MakeWindow(DWORD style = WS_VISIBLE, HWND parent = nullptr, const WCHAR* title = u"Test", int id = 0) {
        return CreateWindowExW(0, kTestClass, title, style, 10, 20, 100, 80, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
    MessageLog& Log() { return MessageLog::Instance(); }

    platform::testing::TestDevice device_;
};

}  // namespace qvtest
