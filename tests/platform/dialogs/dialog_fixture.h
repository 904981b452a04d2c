// Helpers of the dialog tests: the compiled test script registered as a module's resources, an owner
// window, typing into the focused control, and a dialog procedure whose answers a test chooses.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "../../fixtures/dialogs/dialog_ids.h"
#include "platform/dialogs.h"
#include "platform/testing.h"
#include "tests/platform/resources/res_fixture.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_user.h"

namespace dlgtest {

// The compiled tests/fixtures/dialogs/dialogs.rc, registered for a made-up module.
class FixtureModule : public restest::Module {
public:
    FixtureModule() : restest::Module(Handle(), restest::CompiledFile(QV_TEST_OUTPUT_DIR "/dialogs/dialogs.res")) {}
    static HINSTANCE Handle() { return reinterpret_cast<HINSTANCE>(static_cast<std::uintptr_t>(0x7d10000)); }
};

// What the test's dialog procedure does: handlers by message, and the commands it saw.
struct Script {
    std::map<UINT, std::function<INT_PTR(HWND, WPARAM, LPARAM)>> on;
    std::vector<std::pair<int, int>> commands;  // (identifier, notification code)
};

inline Script*& CurrentScript() {
    static Script* script = nullptr;
    return script;
}

// By default OK ends with 20071 and Cancel with IDCANCEL, as the program's dialogs do.
inline INT_PTR CALLBACK ScriptedDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    Script* script = CurrentScript();
    if (!script) return FALSE;
    if (message == WM_COMMAND) script->commands.emplace_back(LOWORD(wParam), HIWORD(wParam));
    // A command handler that answers 0 leaves the command to the defaults below.
    if (const auto it = script->on.find(message); it != script->on.end()) {
        const INT_PTR answer = it->second(dialog, wParam, lParam);
        if (answer || message != WM_COMMAND) return answer;
    }
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) return EndDialog(dialog, 20071), TRUE;
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) return EndDialog(dialog, IDCANCEL), TRUE;
    return FALSE;
}

inline LRESULT CALLBACK OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// Posts a key press as the keyboard gives it: the key, then its character by translation.
inline void PressKey(HWND target, UINT key) {
    PostMessageW(target, WM_KEYDOWN, key, 0);
    PostMessageW(target, WM_KEYUP, key, 0);
}

// Posts the characters of a text to a window, as typing does.
inline void TypeText(HWND target, std::u16string_view text) {
    for (const WCHAR c : text) PostMessageW(target, WM_CHAR, c, 0);
}

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(module_.Registered());
        WNDCLASSW wc{};
        wc.lpfnWndProc = OwnerProc;
        wc.lpszClassName = u"QvDialogOwner";
        RegisterClassW(&wc);
        owner_ = CreateWindowExW(0, u"QvDialogOwner", u"Owner", WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(owner_, nullptr);
        CurrentScript() = &script_;
        platform::testing::ClearDialogs();
    }
    void TearDown() override {
        CurrentScript() = nullptr;
        if (IsWindow(owner_)) DestroyWindow(owner_);
        platform::testing::PumpMessages();
        platform::testing::ClearDialogs();
    }
    INT_PTR Run(int id) {
        return DialogBoxParamW(FixtureModule::Handle(), MAKEINTRESOURCEW(id), owner_, ScriptedDlgProc, 0);
    }
    // Queues steps that run one after another inside the dialog's loop, each after the messages
    // the one before it posted have been handled.
    void Steps(std::initializer_list<std::function<void(HWND)>> steps) {
        for (const auto& step : steps) platform::testing::ActInsideDialog(step);
    }

    platform::testing::TestDevice device_;
    FixtureModule module_;
    HWND owner_ = nullptr;
    Script script_;
};

}  // namespace dlgtest
