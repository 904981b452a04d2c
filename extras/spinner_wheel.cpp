// The launcher wheel: where its eight positions lie, turning it by key, pen and tap, the launch,
// and the showing of the view.
#include <array>

#include "calendar/agenda_view.h"
#include "core/frame_state.h"
#include "core/screen_class.h"
#include "core/theme.h"
#include "core/view_id.h"
#include "extras/extra_commands.h"
#include "extras/spinner.h"
#include "extras/spinner_items.h"
#include "platform/kernel.h"
#include "platform/user.h"
#include "ui/frame_calls.h"
#include "ui/layout.h"
#include "ui/main_routines.h"
#include "ui/main_state.h"
#include "ui/menu_bar_slots.h"
#include "ui/offscreen.h"
#include "ui/view_focus.h"

SpinnerWheel g_Wheel;

namespace {

constexpr DWORD kStepFrameMs = 100;
constexpr DWORD kAnimFrameMs = 50;
constexpr int kLaunchFrames = 6;
constexpr int kLaunchMode = 1;
// A frame waits out its rest only when that rest is this short (a launch frame's whole 50 ms too).
constexpr DWORD kLongestFrameWait = 99;

// How far the hit rectangle of a main position reaches beyond its picture: left, top, right, bottom.
constexpr std::array<std::array<int, 4>, kSpinnerSlots> kHitExtension = {{
    {0, 40, 0, 20},
    {},
    {20, 0, 40, 0},
    {},
    {0, 20, 0, 40},
    {},
    {40, 0, 20, 0},
    {},
}};

void WaitFrameEnd(DWORD start, DWORD length) {
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= length) return;
    const DWORD rest = length - elapsed;
    if (rest >= 1 && rest <= kLongestFrameWait) Sleep(rest);
}

bool SomeEntryAtFront() { return FindSpinnerItemAtPos(0) >= 0; }

void AnimatedStep(int frame, void (*rotate)()) {
    if (g_Spinner.entries.Size() == 1) return;
    // A full turn at most: entries without a position never reach the front.
    int turns = 0;
    do {
        DWORD start = GetTickCount();
        g_Wheel.frame = frame;
        RedrawNow(nullptr);
        WaitFrameEnd(start, kStepFrameMs);
        start = GetTickCount();
        rotate();
        g_Wheel.frame = 0;
        RedrawNow(nullptr);
        WaitFrameEnd(start, kStepFrameMs);
    } while (!SomeEntryAtFront() && ++turns < kSpinnerSlots);
}

void Launch() {
    AnimateSpinner(kLaunchMode, kViewSpinner);
    RestartClockTimer();
    RunSpinnerItem();
}

int EntryPositionAt(int x, int y, bool extended) {
    const SpinnerGeometry g = GetSpinnerGeometry();
    const POINT point{x, y};
    for (int position = 0; position < kSpinnerSlots; ++position) {
        const RECT rect = SpinnerSlotRect(g, position, extended);
        if (PtInRect(&rect, point) && FindSpinnerItemAtPos(position) >= 0) return position;
    }
    return -1;
}

void TurnContactsToFront() {
    int index = FindSpinnerViewItem(kViewContacts);
    if (index < 0) index = FindSpinnerContactItem();
    if (index < 0 || g_Spinner.entries[index].position < 0) return;
    for (int turns = 0; turns < kSpinnerSlots && g_Spinner.entries[index].position != 0; ++turns) SpinnerRotateFwd();
}

void Rotate(int delta) {
    for (SpinEntry& entry : g_Spinner.entries) {
        if (entry.position < 0) continue;
        entry.position = (entry.position + delta + kSpinnerSlots) % kSpinnerSlots;
    }
}

}  // namespace

int GetSpinnerTopMargin() {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    const bool portrait = height > width;
    if (IsVgaScreen()) {
        if (!portrait) return 0;
        return height >= 800 ? 160 : 80;
    }
    if (IsSquare320Screen()) return 32;
    if (IsQvgaScreen() && portrait) return height >= 400 ? 80 : 40;
    return 0;
}

SpinnerGeometry GetSpinnerGeometry() {
    RECT client{};
    GetViewClientRect(g_Frame.mainWnd, client);
    SpinnerGeometry g;
    const bool vga = IsVgaScreen() != FALSE;
    g.cx = (client.left + client.right) / 2;
    g.cy = (client.top + client.bottom) / 2;
    g.bottom = client.bottom;
    g.w = g.h = vga ? 64 : 32;
    g.r = vga ? 104 : 52;
    g.d = vga ? 100 : 50;
    g.k = vga ? 2 : 1;
    g.margin = GetSpinnerTopMargin();
    return g;
}

POINT GetSpinnerSlotPos(const SpinnerGeometry& g, int position) {
    const int half = g.w / 2;
    switch (position) {
    case 0: return {g.cx - half, 5 + g.margin};
    case 1: return {g.cx - half + g.r, g.cy - 3 * g.k - g.h / 2 - g.d};
    case 2: return {g.cx + g.r + 8, g.cy - g.h / 2};
    case 3: return {g.cx - half + g.r, g.cy - 9 * g.k + g.d};
    case 4: return {g.cx - half, g.bottom - g.h - 4 - g.margin};
    case 5: return {g.cx - 3 * g.k - half - g.r, g.cy - 9 * g.k + g.d};
    case 6: return {g.cx - g.w - g.r - 8, g.cy - g.h / 2};
    case 7: return {g.cx - 3 * g.k - half - g.r, g.cy - 3 * g.k - g.h / 2 - g.d};
    default: return {0, 0};
    }
}

RECT SpinnerSlotRect(const SpinnerGeometry& g, int position, bool extended) {
    const POINT corner = GetSpinnerSlotPos(g, position);
    RECT rect{corner.x, corner.y, corner.x + g.w, corner.y + g.h};
    if (extended && position >= 0 && position < kSpinnerSlots) {
        const auto& grow = kHitExtension[static_cast<std::size_t>(position)];
        rect.left -= grow[0];
        rect.top -= grow[1];
        rect.right += grow[2];
        rect.bottom += grow[3];
    }
    return rect;
}

void SpinnerRotateBack() { Rotate(-1); }
void SpinnerRotateFwd() { Rotate(1); }
void SpinnerStepBack() { AnimatedStep(1, SpinnerRotateBack); }
void SpinnerStepFwd() { AnimatedStep(2, SpinnerRotateFwd); }

int SpinnerBatteryGlyph(int percent, bool charging, bool externalPower) {
    constexpr int kNoReading = 255;
    if (percent == kNoReading) return charging ? 7 : 6;
    if (externalPower) return 8;
    struct Band {
        int atLeast;
        int glyph;
    };
    constexpr Band kBands[] = {{91, 0}, {71, 1}, {51, 2}, {31, 3}, {15, 4}};
    for (const Band& band : kBands) {
        if (percent >= band.atLeast) return band.glyph;
    }
    return 5;
}

void AnimateSpinner(int mode, LONG backView) {
    g_Wheel.animMode = mode;
    g_Wheel.animFrame = 0;
    ViewId = kViewSpinnerPage;
    const int frames = mode == kLaunchMode ? kLaunchFrames : 1;
    for (int i = 0; i < frames; ++i) {
        const DWORD start = GetTickCount();
        ++g_Wheel.animFrame;
        RedrawNow(nullptr);
        WaitFrameEnd(start, kAnimFrameMs);
    }
    g_Wheel.animMode = 0;
    ViewId = backView;
}

int SpinnerPressHit(int x, int y) {
    g_Wheel.pressed = EntryPositionAt(x, y, true);
    return g_Wheel.pressed >= 0 ? 1 : 0;
}

void SpinnerPenDrag(int x, int y) {
    const SpinnerGeometry g = GetSpinnerGeometry();
    const POINT point{x, y};
    const bool pressedAtStart = g_Wheel.pressed >= 0;
    for (int s = 0; s < kSpinnerSlots; ++s) {
        const RECT rect = SpinnerSlotRect(g, s, true);
        if (!PtInRect(&rect, point)) continue;
        const int p = g_Wheel.pressed;
        int d = p - s;
        if (s == 0 && p == 7) d = -1;
        if (s == 1 && p == 7) d = -2;
        if (s == 7 && p == 0) d = 1;
        if (s == 6 && p == 0) d = 2;
        if (d < -2 || d > 2) {
            g_Wheel.pressed = s;
            continue;
        }
        if (d == 0) continue;
        if (pressedAtStart) {
            for (int i = 0; i < (d > 0 ? d : -d); ++i) d > 0 ? SpinnerStepBack() : SpinnerStepFwd();
        }
        g_Wheel.pressed = s;
    }
}

void SpinnerTap(int x, int y) {
    const int position = EntryPositionAt(x, y, false);
    if (position < 0) return;
    const int index = FindSpinnerItemAtPos(position);
    const bool forward = position >= 4;
    for (int turns = 0; turns < kSpinnerSlots && g_Spinner.entries[index].position != 0; ++turns) {
        forward ? SpinnerStepFwd() : SpinnerStepBack();
        PumpMessagesSkipPen();
    }
    Launch();
    PumpMessagesSkipPen();
}

void ClearSpinnerPress() { g_Wheel.pressed = -1; }

void SpinnerKeyDown(UINT key) {
    switch (key) {
    case VK_LEFT:
    case VK_UP:
        SpinnerStepBack();
        PumpMessagesSkipKeys();
        break;
    case VK_RIGHT:
    case VK_DOWN:
        SpinnerStepFwd();
        PumpMessagesSkipKeys();
        break;
    case VK_RETURN: Launch(); break;
    default: break;
    }
}

void ShowSpinnerView() {
    ViewId = kViewSpinner;
    RestartClockTimer();
    HideAllViewWindows();
    CreateSpinnerImageList();
    SetViewTitle();
    SetViewScrollRange(0, 0);
    CreateViewMenuBar(&g_MenuBars.spinner, 0, nullptr, kShowBar);
    if (!g_Spinner.loaded) LoadSpinnerOrDefaults();
    if (g_Main.contactsSpinner != 0) {
        TurnContactsToFront();
        g_Main.contactsSpinner = 0;
    }
    RedrawNow(nullptr);
}
