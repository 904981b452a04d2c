// Painting the launcher view (10) and its launch animation (24), each through an off-screen bitmap
// of the view client rectangle.
#include <string>

#include "core/app_settings.h"
#include "core/date_rec.h"
#include "core/date_text.h"
#include "extras/extra_commands.h"
#include "extras/spinner.h"
#include "extras/spinner_items.h"
#include "extras/theme_pictures.h"
#include "extras/theme_record.h"
#include "extras/theme_words.h"
#include "frame/frame_state.h"
#include "platform/gdi.h"
#include "platform/kernel.h"
#include "platform/user.h"
#include "ui/draw_prims.h"
#include "ui/gdi_scope.h"
#include "ui/image_lists.h"
#include "ui/layout.h"
#include "ui/screen_class.h"

namespace {

constexpr int kThemeSpinText = 8;
constexpr int kThemeSpinFrame = 9;
constexpr int kThemeSpinBack = 10;
constexpr int kWheelDarken = 40;
constexpr int kAnimDarken = 20;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kDimGrey = RGB(150, 150, 150);
constexpr int kNoBatteryReading = 255;
// Outward push of the entries in the launch animation's frames 1 to 5.
constexpr int kLaunchPush[] = {0, 15, 30, 45, 70, 95};
constexpr int kLastLaunchFrame = 6;

// Colours of the entry pictures by icon pair, drawn until an icon strip is in the resources.
constexpr COLORREF kIconColours[] = {RGB(210, 40, 40), RGB(240, 140, 20), RGB(40, 160, 60), RGB(40, 90, 210),
                                     RGB(130, 60, 180), RGB(20, 150, 150), RGB(230, 90, 160), RGB(140, 90, 40)};

COLORREF ThemeColour(int word) { return static_cast<COLORREF>(GetThemeWord(word)); }

void FillRectColour(HDC dc, const RECT& rect, COLORREF colour) {
    const OwnedBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &rect, brush.Get());
}

// One entry's picture at (x, y): a rounded tile with the name's first letter.
void DrawEntryPicture(HDC dc, const SpinEntry& entry, int x, int y, int size, bool dimmed) {
    const std::size_t pick = static_cast<std::size_t>((entry.icon >= 0 ? entry.icon / 2 : entry.kind + 3)) %
                             (sizeof(kIconColours) / sizeof(kIconColours[0]));
    const OwnedBrush brush(CreateSolidBrush(dimmed ? kDimGrey : kIconColours[pick]));
    const OwnedPen pen(CreatePen(PS_SOLID, 1, dimmed ? RGB(100, 100, 100) : RGB(40, 40, 40)));
    const SelectScope useBrush(dc, brush.Get());
    const SelectScope usePen(dc, pen.Get());
    RoundRect(dc, x, y, x + size, y + size, size / 4, size / 4);
    if (entry.name.empty()) return;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kWhite);
    RECT cell{x, y, x + size, y + size};
    const std::u16string letter = entry.name.substr(0, 1);
    DrawTextW(dc, letter.c_str(), 1, &cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// A one-pixel frame inside the rectangle.
void FrameBox(HDC dc, const RECT& rect, HBRUSH brush) {
    const RECT edges[] = {{rect.left, rect.top, rect.right, rect.top + 1},
                          {rect.left, rect.bottom - 1, rect.right, rect.bottom},
                          {rect.left, rect.top, rect.left + 1, rect.bottom},
                          {rect.right - 1, rect.top, rect.right, rect.bottom}};
    for (const RECT& edge : edges) FillRect(dc, &edge, brush);
}

void DrawWhiteFramedBox(HDC dc, const RECT& rect) {
    const int frame = IsVgaScreen() ? 2 : 1;
    const RECT inner{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
    FillRectColour(dc, inner, kWhite);
    const OwnedBrush brush(CreateSolidBrush(ThemeColour(kThemeSpinFrame)));
    for (int i = 0; i < frame; ++i) {
        const RECT edge{rect.left + i, rect.top + i, rect.right - i, rect.bottom - i};
        FrameBox(dc, edge, brush.Get());
    }
}

std::u16string FrontName(const std::u16string& name) {
    const std::size_t exe = name.find(u".exe");
    return exe == std::u16string::npos ? name : name.substr(0, exe);
}

// Where an entry stands in an in-between frame: half-way toward its neighbour.
POINT InBetween(const SpinnerGeometry& g, int position, int frame) {
    const POINT here = GetSpinnerSlotPos(g, position);
    const int next = (position + (frame == 1 ? kSpinnerSlots - 1 : 1)) % kSpinnerSlots;
    const POINT there = GetSpinnerSlotPos(g, next);
    return {(here.x + there.x) / 2, (here.y + there.y) / 2};
}

void DrawSpinnerItems(HDC dc, const SpinnerGeometry& g, int push) {
    for (const SpinEntry& entry : g_Spinner.entries) {
        if (entry.position < 0 || entry.position >= kSpinnerSlots) continue;
        POINT at = g_Wheel.frame != 0 ? InBetween(g, entry.position, g_Wheel.frame)
                                      : GetSpinnerSlotPos(g, entry.position);
        if (push != 0) {
            const int dx = at.x + g.w / 2 - g.cx;
            const int dy = at.y + g.h / 2 - g.cy;
            at.x += dx > 0 ? push : dx < 0 ? -push : 0;
            at.y += dy > 0 ? push : dy < 0 ? -push : 0;
        }
        const bool front = entry.position == 0 && g_Wheel.frame == 0;
        DrawEntryPicture(dc, entry, at.x, at.y, g.w, !front);
    }
}

void DrawFrontName(HDC dc, const SpinnerGeometry& g) {
    const int index = FindSpinnerItemAtPos(0);
    if (index < 0 || g_Wheel.frame != 0) return;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ThemeColour(kThemeSpinFrame));
    DrawShadowText(dc, g.cx + g.w / 2 + 8, g.margin + 1, FrontName(g_Spinner.entries[index].name));
}

void DrawBatteryLevel(HDC dc, int x, int y) {
    // The stand-in platform gives no power reading: the glyph of "no reading" and no percentage.
    const int glyph = SpinnerBatteryGlyph(kNoBatteryReading, false, false);
    const int width = IsVgaScreen() ? 32 : 16;
    const int height = IsVgaScreen() ? 22 : 11;
    const int top = y + (IsVgaScreen() ? 6 : 1);
    const RECT body{x, top, x + width - 2, top + height};
    const OwnedBrush frame(CreateSolidBrush(ThemeColour(kThemeSpinText)));
    FrameBox(dc, body, frame.Get());
    const RECT tip{x + width - 2, top + height / 3, x + width, top + height - height / 3};
    FillRect(dc, &tip, frame.Get());
    if (glyph == 6) return;
}

void DrawDateAndTime(HDC dc, const RECT& client) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    const DateRec today(now);
    std::u16string date;
    std::u16string time;
    FormatLongDate(date, today, true, false);
    FormatTime(time, today, g_Settings.hours24 != 0, true, false);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ThemeColour(kThemeSpinText));
    const int lift = IsVgaScreen() ? 5 : 2;
    RECT line{client.left + 3, client.top, client.right - 3, client.bottom - lift};
    DrawTextW(dc, date.c_str(), static_cast<int>(date.size()), &line, DT_LEFT | DT_BOTTOM | DT_SINGLELINE);
    DrawTextW(dc, time.c_str(), static_cast<int>(time.size()), &line, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
}

// The theme's launcher background over the whole area at 0, 0; false when none is set or it cannot be read.
bool DrawSpinBackPicture(HDC dc, const RECT& client) {
    const HBITMAP picture = HasSpinPicture2() ? GetSpinPicture2() : nullptr;
    if (picture == nullptr) return false;
    const HDC source = CreateCompatibleDC(dc);
    {
        const SelectScope usePicture(source, picture);
        BitBlt(dc, 0, 0, client.right, client.bottom, source, 0, 0, SRCCOPY);
    }
    DeleteDC(source);
    return true;
}

// Paints through an off-screen bitmap of the client rectangle.
template <class Paint>
void PaintBuffered(HDC dc, Paint&& paint) {
    RECT client{};
    GetViewClientRect(g_Frame.mainWnd, client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (width <= 0 || height <= 0) return;
    const HDC memory = CreateCompatibleDC(dc);
    {
        const OwnedBitmap bitmap(CreateCompatibleBitmap(dc, client.right, client.bottom));
        const SelectScope useBitmap(memory, bitmap.Get());
        paint(memory, client);
        BitBlt(dc, client.left, client.top, width, height, memory, client.left, client.top, SRCCOPY);
    }
    DeleteDC(memory);
}

}  // namespace

void PaintSpinnerStrip(HDC dc) {
    PaintBuffered(dc, [](HDC memory, const RECT& client) {
        const SpinnerGeometry g = GetSpinnerGeometry();
        FillRectColour(memory, client, DarkenColor(ThemeColour(kThemeSpinBack), kWheelDarken));
        if (!DrawSpinBackPicture(memory, client)) {
            DrawDot(memory, DotSize::Large, DotShade::Dim);
            DrawDot(memory, DotSize::Normal, DotShade::Normal);
        }
        DrawDateAndTime(memory, client);
        DrawBatteryLevel(memory, 3, 3);
        const int half = IsVgaScreen() ? 33 : 19;
        const int side = IsVgaScreen() ? 67 : 38;
        const int top = g.margin + (IsVgaScreen() ? 3 : 2);
        DrawWhiteFramedBox(memory, RECT{g.cx - half, top, g.cx - half + side, top + side});
        DrawSpinnerItems(memory, g, 0);
        DrawFrontName(memory, g);
    });
}

void PaintSpinnerPage(HDC dc) {
    PaintBuffered(dc, [](HDC memory, const RECT& client) {
        const COLORREF back = ThemeColour(kThemeSpinBack);
        const int frame = g_Wheel.animFrame;
        if (g_Wheel.animMode == 0 || frame >= kLastLaunchFrame) {
            FillRectColour(memory, client, back);
            return;
        }
        const bool ring = frame <= 2;
        FillRectColour(memory, client, ring ? DarkenColor(back, kAnimDarken) : back);
        if (ring) DrawDot(memory, DotSize::Large, DotShade::Dim);
        if (frame <= 3) DrawDot(memory, DotSize::Normal, DotShade::Normal);
        DrawSpinnerItems(memory, GetSpinnerGeometry(), kLaunchPush[frame]);
    });
}

void FreeSpinnerPictures() {
    for (SpinEntry& entry : g_Spinner.entries) entry.pictureSlot = -1;
}

void FreeSpinnerImageLists() { FreeSpinnerPictures(); }

// The pictures are made on the next paint, in the look the theme now asks for.
void CreateSpinnerImageList() { FreeSpinnerImageLists(); }
