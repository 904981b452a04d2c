// What the go-to-date and select-time wheels share: the boxes of their large-type layout, their
// painting, the hit test of a tap and the dialog plumbing both procedures run.
#pragma once

#include <array>
#include <string>

#include "platform/types.h"
#include "ui/date_pickers.h"

inline constexpr int kWheelMaxColumns = 3;

// Boxes in view-rectangle coordinates (origin at the view's top left).
struct WheelLayout {
    RECT view{};
    int columns = 0;
    std::array<RECT, kWheelMaxColumns> boxes{};
    int bandTop = 0;
    int bandBottom = 0;
    int textHeight = 0;
};

enum class WheelKind { kGoToDate, kSelectTime };

WheelLayout ComputeWheelLayout(HWND dialog, WheelKind kind);
// Column hit by a point in dialog coordinates, or -1.
int WheelHitColumn(const WheelLayout& layout, int x, int y);
// Paints the boxes with their texts; `separator` is drawn after box 0 when not empty.
void PaintWheel(HWND dialog, HDC dc, const WheelLayout& layout, int selected,
                const std::array<std::u16string, kWheelMaxColumns>& texts, bool separator);
// WM_INITDIALOG of a wheel: 1 when the bar and the control were set up, else the dialog ended.
bool InitWheelDialog(HWND dialog, UINT barId, UINT titleId, HRESULT (*subclass)(HWND));

// The pen point of a mouse message.
inline int PenX(LPARAM lParam) { return static_cast<short>(LOWORD(lParam)); }
inline int PenY(LPARAM lParam) { return static_cast<short>(HIWORD(lParam)); }
// The digit a typed character stands for: itself, or the digit its key carries on the detected
// keyboard model; 0 when none.
WCHAR TypedDigit(WPARAM character);
