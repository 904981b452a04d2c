// GetSystemMetrics and the work area, from the device profile: sizes are given at 96 dots per inch
// and doubled on 192 dots per inch screens.
#include "user/system_metrics.h"

#include "user/oem_info.h"

#include <algorithm>
#include <mutex>
#include <optional>

#include "platform/device.h"
#include "platform/system.h"

namespace platform {
namespace {

// How a metric follows the profile.
enum class Follows { Dpi, Fixed, ScreenWidth, ScreenHeight, WorkWidth, WorkHeight };

struct Metric {
    int index;
    int value96;
    Follows follows;
};

// The shell's bars at the top (title and clock) and at the bottom (soft keys).
constexpr int kTitleBarHeight96 = 26;
constexpr int kMenuBarHeight96 = 26;

constexpr Metric kMetrics[] = {
    {SM_CXSCREEN, 0, Follows::ScreenWidth},     {SM_CYSCREEN, 0, Follows::ScreenHeight},
    {SM_CXVSCROLL, 13, Follows::Dpi},           {SM_CYHSCROLL, 13, Follows::Dpi},
    {SM_CYVSCROLL, 13, Follows::Dpi},           {SM_CXHSCROLL, 13, Follows::Dpi},
    {SM_CYCAPTION, kTitleBarHeight96, Follows::Dpi}, {SM_CXBORDER, 1, Follows::Fixed},
    {SM_CYBORDER, 1, Follows::Fixed},           {SM_CXDLGFRAME, 3, Follows::Fixed},
    {SM_CYDLGFRAME, 3, Follows::Fixed},         {SM_CYVTHUMB, 13, Follows::Dpi},
    {SM_CXHTHUMB, 13, Follows::Dpi},            {SM_CXICON, 32, Follows::Dpi},
    {SM_CYICON, 32, Follows::Dpi},              {SM_CXCURSOR, 32, Follows::Dpi},
    {SM_CYCURSOR, 32, Follows::Dpi},            {SM_CYMENU, kMenuBarHeight96, Follows::Dpi},
    {SM_CXFULLSCREEN, 0, Follows::WorkWidth},   {SM_CYFULLSCREEN, 0, Follows::WorkHeight},
    {SM_MOUSEPRESENT, 0, Follows::Fixed},       {SM_DEBUG, 0, Follows::Fixed},
    {SM_CXDOUBLECLK, 4, Follows::Dpi},          {SM_CYDOUBLECLK, 4, Follows::Dpi},
    {SM_CXICONSPACING, 64, Follows::Dpi},       {SM_CYICONSPACING, 64, Follows::Dpi},
    {SM_CXEDGE, 2, Follows::Fixed},             {SM_CYEDGE, 2, Follows::Fixed},
    {SM_CXSMICON, 16, Follows::Dpi},            {SM_CYSMICON, 16, Follows::Dpi},
};

constexpr int kBaseDpi = 96;
constexpr UINT kDoubleClickMs = 500;

std::mutex workAreaLock;
std::optional<RECT> workAreaSet;

}  // namespace

int ScaleToScreen(int size96) { return size96 * Profile().dpi / kBaseDpi; }

RECT WorkArea() {
    {
        const std::lock_guard guard(workAreaLock);
        if (workAreaSet) return *workAreaSet;
    }
    const DeviceProfile& p = Profile();
    return {0, ScaleToScreen(kTitleBarHeight96), p.screenWidth, p.screenHeight - ScaleToScreen(kMenuBarHeight96)};
}

RECT DefaultWindowArea() {
    RECT area = WorkArea();
    area.bottom = std::max<LONG>(area.bottom, Profile().screenHeight);
    return area;
}

void SetWorkArea(const RECT& area) {
    const std::lock_guard guard(workAreaLock);
    workAreaSet = area;
}

void ResetWorkArea() {
    const std::lock_guard guard(workAreaLock);
    workAreaSet.reset();
}

}  // namespace platform

int GetSystemMetrics(int index) {
    using namespace platform;
    for (const Metric& m : kMetrics) {
        if (m.index != index) continue;
        const RECT work = WorkArea();
        switch (m.follows) {
        case Follows::Dpi: return ScaleToScreen(m.value96);
        case Follows::Fixed: return m.value96;
        case Follows::ScreenWidth: return Profile().screenWidth;
        case Follows::ScreenHeight: return Profile().screenHeight;
        case Follows::WorkWidth: return work.right - work.left;
        case Follows::WorkHeight: return work.bottom - work.top;
        }
    }
    return 0;
}

UINT GetDoubleClickTime() { return platform::kDoubleClickMs; }

BOOL SystemParametersInfoW(UINT action, UINT param, PVOID out, UINT) {
    if (action == SPI_GETOEMINFO) return platform::CopyOemInfo(param, out);
    if (action != SPI_GETWORKAREA || !out) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *static_cast<RECT*>(out) = platform::WorkArea();
    return TRUE;
}
