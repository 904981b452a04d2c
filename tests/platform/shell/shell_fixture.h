// The resources of the shell tests, built byte by byte: a two-button bar whose buttons open the two
// pop-ups of its menu, a one-button "Done" bar without pop-ups, and the strings of their buttons.
#pragma once

#include <string_view>
#include <vector>

#include "tests/platform/resources/res_fixture.h"

namespace shelltest {

constexpr WORD kBarId = 22023;
constexpr WORD kDoneBarId = 22006;
constexpr WORD kMenuString = 104;
constexpr WORD kViewsString = 222;
constexpr WORD kDoneString = 115;
constexpr WORD kViewsCommand = 20001;
constexpr WORD kMenuCommand = 20002;
constexpr WORD kDoneCommand = 20071;
constexpr UINT kNewCommand = 20003;
constexpr UINT kGrayedCommand = 40007;
constexpr UINT kNestedCommand = 40014;
constexpr UINT kWeekCommand = 40022;
constexpr UINT kTasksCommand = 40025;

constexpr WORD kRcData = 10;
constexpr WORD kMenuType = 4;
constexpr WORD kStringType = 6;
constexpr WORD kPopupFlag = 0x10;
constexpr WORD kEndFlag = 0x80;
constexpr WORD kGrayedFlag = 0x01;
constexpr WORD kDropDownStyle = 0x18;
constexpr WORD kButtonStyle = 0x10;
constexpr WORD kEnabledState = 4;
constexpr WORD kNoSubMenu = 0xFFFF;

inline void PutCommand(std::vector<BYTE>& t, WORD flags, WORD id, std::u16string_view text) {
    restest::PutWord(t, flags), restest::PutWord(t, id), restest::PutText(t, text);
}
inline void PutPopup(std::vector<BYTE>& t, WORD flags, std::u16string_view text) {
    restest::PutWord(t, static_cast<WORD>(flags | kPopupFlag)), restest::PutText(t, text);
}

// Pop-up 0 "Views": "Week", "Tasks". Pop-up 1 "Menu": "New Appt.", separator, a "More" pop-up with
// "Go to Date", and the greyed "Filter".
inline std::vector<BYTE> BarMenu() {
    std::vector<BYTE> t;
    restest::PutWord(t, 0), restest::PutWord(t, 0);
    PutPopup(t, 0, u"Views");
    PutCommand(t, 0, kWeekCommand, u"Week");
    PutCommand(t, kEndFlag, kTasksCommand, u"Tasks");
    PutPopup(t, kEndFlag, u"Menu");
    PutCommand(t, 0, kNewCommand, u"New Appt.");
    PutCommand(t, 0, 0, u"");
    PutPopup(t, 0, u"More");
    PutCommand(t, kEndFlag, kNestedCommand, u"Go to Date");
    PutCommand(t, kEndFlag | kGrayedFlag, kGrayedCommand, u"Filter");
    return t;
}

struct Button {
    WORD command, style, string, subMenu;
};

inline std::vector<BYTE> Bar(WORD menuId, std::initializer_list<Button> buttons) {
    std::vector<BYTE> t;
    restest::PutWord(t, menuId);
    restest::PutWord(t, static_cast<WORD>(buttons.size()));
    for (const Button& b : buttons)
        for (const WORD w : {WORD{0xFFFE}, b.command, kEnabledState, b.style, b.string, WORD{0}, b.subMenu})
            restest::PutWord(t, w);
    return t;
}

// String block `block` holding the given (id, text) pairs.
inline std::vector<BYTE> StringBlock(WORD block, std::initializer_list<std::pair<WORD, std::u16string_view>> strings) {
    std::vector<BYTE> t;
    for (WORD id = static_cast<WORD>((block - 1) * 16); id < block * 16; ++id) {
        std::u16string_view text;
        for (const auto& [sid, s] : strings)
            if (sid == id) text = s;
        restest::PutWord(t, static_cast<WORD>(text.size()));
        for (const WCHAR c : text) restest::PutWord(t, c);
    }
    return t;
}

inline std::vector<BYTE> ResourceFile() {
    std::vector<BYTE> out = restest::EmptyFile();
    restest::PutEntry(out, kRcData, kBarId,
                      Bar(kBarId, {{kViewsCommand, kDropDownStyle, kViewsString, 0},
                                   {kMenuCommand, kDropDownStyle, kMenuString, 1}}));
    restest::PutEntry(out, kMenuType, kBarId, BarMenu());
    restest::PutEntry(out, kRcData, kDoneBarId, Bar(kDoneBarId, {{kDoneCommand, kButtonStyle, kDoneString, kNoSubMenu}}));
    restest::PutEntry(out, kStringType, kMenuString / 16 + 1, StringBlock(kMenuString / 16 + 1, {{kMenuString, u"Menu"}}));
    restest::PutEntry(out, kStringType, kDoneString / 16 + 1, StringBlock(kDoneString / 16 + 1, {{kDoneString, u"Done"}}));
    restest::PutEntry(out, kStringType, kViewsString / 16 + 1, StringBlock(kViewsString / 16 + 1, {{kViewsString, u"Views"}}));
    return out;
}

// The resources above as a module's, for the life of the object.
class Resources {
public:
    Resources() : module_(restest::FakeModule(77), restest::Align(ResourceFile())) {}
    HINSTANCE Module() const { return module_.Handle(); }

private:
    restest::Module module_;
};

}  // namespace shelltest

#include "platform/shell.h"
#include "platform/testing_display.h"
#include "tests/platform/user/window_fixture.h"

namespace shelltest {

// A device with its screen, the shell's resources and a main window that logs its messages.
class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        qvtest::RegisterTestClass();
        qvtest::MessageLog::Instance().Clear();
        platform::testing::ClearMessageBoxes();
    }
    void TearDown() override {
        for (HWND h = FindWindowW(qvtest::kTestClass, nullptr); h; h = FindWindowW(qvtest::kTestClass, nullptr))
            if (!DestroyWindow(h)) break;
        platform::testing::PumpUntilIdle();
        qvtest::MessageLog::Instance().Clear();
    }
    HWND MakeMainWindow(const WCHAR* title = u"Main") {
        return CreateWindowExW(0, qvtest::kTestClass, title, WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
    }
    HWND MakeBar(HWND parent, WORD id) {
        SHMENUBARINFO info{};
        info.cbSize = SHMENUBARINFO_DEVICE_SIZE;
        info.hwndParent = parent;
        info.nToolBarId = id;
        info.hInstRes = res_.Module();
        return SHCreateMenuBar(&info) ? info.hwndMB : nullptr;
    }
    // The commands the window got, in order.
    std::vector<UINT> Commands(HWND hwnd) {
        std::vector<UINT> out;
        for (const auto& e : qvtest::MessageLog::Instance().Entries())
            if (e.hwnd == hwnd && e.message == WM_COMMAND) out.push_back(LOWORD(e.wParam));
        return out;
    }
    std::vector<qvtest::Logged> Logged(HWND hwnd, UINT message) {
        std::vector<qvtest::Logged> out;
        for (const auto& e : qvtest::MessageLog::Instance().Entries())
            if (e.hwnd == hwnd && e.message == message) out.push_back(e);
        return out;
    }

    platform::testing::TestDevice device_;
    platform::testing::TestScreen screen_;
    Resources res_;
};

}  // namespace shelltest
