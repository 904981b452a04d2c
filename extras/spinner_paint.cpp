// Painting the launcher view (10) and its launch animation (24), each through an off-screen bitmap
// of the view client rectangle.
#include <algorithm>
#include <array>
#include <string>

#include "core/app_settings.h"
#include "core/date_rec.h"
#include "core/date_text.h"
#include "core/frame_state.h"
#include "core/screen_class.h"
#include "core/show_message.h"
#include "core/theme_record.h"
#include "core/theme_words.h"
#include "extras/extra_commands.h"
#include "extras/spinner.h"
#include "extras/spinner_items.h"
#include "lists/cts_picture.h"
#include "platform/commctrl.h"
#include "platform/gdi.h"
#include "platform/kernel.h"
#include "platform/shell.h"
#include "platform/system.h"
#include "platform/text.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/draw_prims.h"
#include "ui/gdi_scope.h"
#include "ui/image_lists.h"
#include "ui/imaging.h"
#include "ui/layout.h"
#include "ui/main_state.h"
#include "ui/theme_pictures.h"

namespace {

constexpr int kThemeSpinText = 8;
constexpr int kThemeSpinFrame = 9;
constexpr int kThemeSpinBack = 10;
constexpr int kWheelDarken = 40;
constexpr int kAnimDarken = 20;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kFullPercent = 100;
constexpr int kPercentChars = 8;
constexpr int kPercentWidth = 80;
// Outward push of the entries in the launch animation's frames 1 to 5.
constexpr int kLaunchPush[] = {0, 15, 30, 45, 70, 95};
constexpr int kLastLaunchFrame = 6;

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr int kLauncherImages = 46;
constexpr int kGlyphImages = 9;
// Images of the launcher strip for a contact without a picture, undimmed and dimmed.
constexpr int kNoPictureImage = 26;
constexpr int kNoPictureDimmed = 27;
// The cached pictures of file and contact entries are made at this size.
constexpr int kCachedPictureSize = 32;
constexpr int kThemeSpinCenter = 53;
constexpr int kThemeDarkBattery = 55;
// The centre's built-in pictures by theme word 53; any other value takes the PNG.
constexpr int kCentreBitmaps[] = {IDB_SPIN_BOXES, IDB_SPIN_BALL, IDB_SPIN_COMPASS};
constexpr int kCentreStylePngFrom = 3;
// In the launch animation the compass gives way to the ball.
constexpr int kCentreCompass = 2;
constexpr float kLaunchCentreScale[] = {1.0f, 0.75f, 0.5f, 0.25f};

// The wheel's image lists and the pictures made for file and contact entries.
struct SpinnerPictures {
    HIMAGELIST launcher = nullptr;
    HIMAGELIST glyphs = nullptr;
    std::array<OwnedBitmap, kSpinnerSlots> cache;
    int cacheUsed = 0;
    bool fileIconFailShown = false;
};
SpinnerPictures g_SpinPictures;

COLORREF ThemeColour(int word) { return static_cast<COLORREF>(GetThemeWord(word)); }

void FillRectColour(HDC dc, const RECT& rect, COLORREF colour) {
    const OwnedBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &rect, brush.Get());
}

HIMAGELIST LoadStrip(int bitmapId, int cx, int cy, int initial) {
    const HIMAGELIST list = ImageList_Create(cx, cy, ILC_COLOR | ILC_MASK, initial, 0);
    const OwnedBitmap strip(LoadBitmapW(g_Main.instance, MAKEINTRESOURCEW(bitmapId)));
    if (list && strip) ImageList_AddMasked(list, strip.Get(), kMagenta);
    return list;
}

void BuildSpinnerLists() {
    const bool vga = IsVgaScreen() != FALSE;
    const int side = vga ? 64 : 32;
    g_SpinPictures.launcher = LoadStrip(vga ? IDB_SPIN_ICONS_VGA : IDB_SPIN_ICONS, side, side, kLauncherImages);
    const bool dark = GetThemeWord(kThemeDarkBattery) != 0;
    const int glyph = dark ? (vga ? IDB_BATTERY_DARK_VGA : IDB_BATTERY_DARK)
                           : (vga ? IDB_BATTERY_LIGHT_VGA : IDB_BATTERY_LIGHT);
    g_SpinPictures.glyphs = LoadStrip(glyph, vga ? 32 : 16, vga ? 22 : 11, kGlyphImages);
}

// The lists are made when the view is shown; a paint that comes first makes them itself.
void EnsureSpinnerLists() {
    if (g_SpinPictures.launcher == nullptr) BuildSpinnerLists();
}

void DrawLauncherImage(HDC dc, int image, int x, int y) {
    if (image >= 0) ImageList_Draw(g_SpinPictures.launcher, image, dc, x, y, ILD_TRANSPARENT);
}

// Keeps a made picture in the next free slot and gives the slot, or -1 (the caller then deletes it).
LONG CachePicture(HBITMAP picture) {
    if (g_SpinPictures.cacheUsed >= kSpinnerSlots) return -1;
    const int slot = g_SpinPictures.cacheUsed++;
    g_SpinPictures.cache[static_cast<std::size_t>(slot)].Reset(picture);
    return slot;
}

HBITMAP CachedPicture(const SpinEntry& entry) {
    if (entry.pictureSlot < 0 || entry.pictureSlot >= g_SpinPictures.cacheUsed) return nullptr;
    return g_SpinPictures.cache[static_cast<std::size_t>(entry.pictureSlot)].Get();
}

void DrawKeyed(HDC dc, HBITMAP picture, int x, int y, int size) {
    TransparentImage(dc, x, y, size, size, picture, 0, 0, size, size, kMagenta);
}

// The shell's icon of the file's type; the file need not exist.
bool FileTypeIcon(const std::u16string& path, HIMAGELIST& list, int& index) {
    SHFILEINFOW info{};
    list = reinterpret_cast<HIMAGELIST>(SHGetFileInfoW(path.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof(info),
                                                       SHGFI_SYSICONINDEX | SHGFI_USEFILEATTRIBUTES | SHGFI_LARGEICON));
    index = info.iIcon;
    return list != nullptr;
}

// Said once a run: the paint repeats every second while the view is up.
void FileIconFailed() {
    if (g_SpinPictures.fileIconFailShown) return;
    g_SpinPictures.fileIconFailShown = true;
    ShowMessage(g_Frame.mainWnd, u"GetFileInfo for Icon failed...", MB_OK | MB_ICONEXCLAMATION);
}

void DrawFileEntry(HDC dc, SpinEntry& entry, int x, int y, int size, bool dimmed) {
    if (const HBITMAP cached = dimmed ? CachedPicture(entry) : nullptr) {
        DrawKeyed(dc, cached, x, y, kCachedPictureSize);
        return;
    }
    HIMAGELIST list = nullptr;
    int index = 0;
    if (!FileTypeIcon(entry.target, list, index)) {
        FileIconFailed();
        return;
    }
    int cx = 0, cy = 0;
    ImageList_GetIconSize(list, &cx, &cy);
    if (!dimmed) {
        ImageList_Draw(list, index, dc, x + (size - cx) / 2, y + (size - cy) / 2, ILD_TRANSPARENT);
        return;
    }
    const MemoryDC memory(dc);
    HBITMAP grey = CreateCompatibleBitmap(dc, kCachedPictureSize, kCachedPictureSize);
    {
        const SelectScope useGrey(memory.Get(), grey);
        FillRectColour(memory.Get(), RECT{0, 0, kCachedPictureSize, kCachedPictureSize}, kMagenta);
        ImageList_Draw(list, index, memory.Get(), (kCachedPictureSize - cx) / 2, (kCachedPictureSize - cy) / 2,
                       ILD_TRANSPARENT);
        GreyBitmapInPlace(memory.Get(), kCachedPictureSize, kCachedPictureSize, true);
    }
    DrawKeyed(dc, grey, x, y, kCachedPictureSize);
    entry.pictureSlot = CachePicture(grey);
    if (entry.pictureSlot < 0) DeleteObject(grey);
}

void DrawContactEntry(HDC dc, SpinEntry& entry, int x, int y, int size, bool dimmed) {
    if (const HBITMAP cached = dimmed ? CachedPicture(entry) : nullptr) {
        DrawPictureFramed(dc, x, y, cached, size);
        return;
    }
    OwnedBitmap picture(DrawCtsPicture(dc, x, y, entry.item, false, size, true, true));
    if (!picture) {
        DrawLauncherImage(dc, dimmed ? kNoPictureDimmed : kNoPictureImage, x, y);
        return;
    }
    DrawPictureFramed(dc, x, y, picture.Get(), size);
    if (dimmed) {
        entry.pictureSlot = CachePicture(picture.Get());
        if (entry.pictureSlot >= 0) picture.Release();
    }
}

// One entry's picture at (x, y): views, saved views and web addresses from the launcher strip,
// files by their type, contacts by their picture.
void DrawEntryPicture(HDC dc, SpinEntry& entry, int x, int y, int size, bool dimmed) {
    switch (entry.kind) {
    case kSpinFile: DrawFileEntry(dc, entry, x, y, size, dimmed); return;
    case kSpinContact: DrawContactEntry(dc, entry, x, y, size, dimmed); return;
    default:
        if (entry.icon >= 0) DrawLauncherImage(dc, entry.icon + (dimmed ? 1 : 0), x, y);
        return;
    }
}

// The theme's centre picture file, else the built-in picture its style word names.
void DrawCentrePicture(HDC dc, const SpinnerGeometry& g, float scale, bool launching) {
    if (HasSpinPicture1()) {
        DrawImageFile(dc, g_Theme.String(kThemeSpinCenterPicture).c_str(), g.cx, g.cy, Placement::Centred, scale);
        return;
    }
    LONG style = GetThemeWord(kThemeSpinCenter);
    if (launching && style == kCentreCompass) style = 1;
    if (style >= 0 && style < kCentreStylePngFrom) {
        LoadBitmapScaled(dc, g_Main.instance, kCentreBitmaps[style], g.cx, g.cy, Placement::Centred, scale, kDefaultKey);
    } else {
        DrawPngResource(dc, g_Main.instance, IsVgaScreen() ? IDR_SPIN_HUB_VGA : IDR_SPIN_HUB, g.cx, g.cy,
                        Placement::Centred, scale);
    }
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
    for (SpinEntry& entry : g_Spinner.entries) {
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
    const SelectScope useFont(dc, g_Main.themeFonts[kFontNormal]);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ThemeColour(kThemeSpinFrame));
    DrawShadowText(dc, g.cx + g.w / 2 + 8, g.margin + 1, FrontName(g_Spinner.entries[index].name));
}

// The battery glyph and its percentage; nothing on a device without a battery.
void DrawBatteryLevel(HDC dc, int x, int y) {
    SYSTEM_POWER_STATUS_EX2 power{};
    if (GetSystemPowerStatusEx2(&power, sizeof(power), TRUE) == 0) return;
    if (power.BatteryFlag != BATTERY_FLAG_UNKNOWN && (power.BatteryFlag & BATTERY_FLAG_NO_BATTERY) != 0) return;
    const int percent = power.BatteryLifePercent;
    const bool charging = power.BatteryFlag != BATTERY_FLAG_UNKNOWN && (power.BatteryFlag & BATTERY_FLAG_CHARGING) != 0;
    const int glyph = SpinnerBatteryGlyph(percent, charging, power.ACLineStatus == AC_LINE_ONLINE);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(g_SpinPictures.glyphs, &cx, &cy);
    const int top = y + (IsVgaScreen() ? 6 : 1);
    ImageList_Draw(g_SpinPictures.glyphs, glyph, dc, x, top, ILD_TRANSPARENT);
    if (percent > kFullPercent) return;
    WCHAR text[kPercentChars] = {};
    StringCchPrintfW(text, kPercentChars, u"%d%%", percent);
    const SelectScope useFont(dc, g_Main.themeFonts[kFontList]);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ThemeColour(kThemeSpinText));
    const RECT line{x + cx + 3, top, x + cx + 3 + kPercentWidth, top + cy};
    ReadableDrawText(dc, text, line, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// The calendar glyph before the long date at the left, the clock glyph after the time at the right.
void DrawDateAndTime(HDC dc, const RECT& client) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    const DateRec today(now);
    std::u16string date;
    std::u16string time;
    const bool noYear = !IsQvgaScreen() || IsSquareScreen();
    FormatLongDate(date, today, true, noYear);
    FormatTime(time, today, g_Settings.hours24 != 0, true, false);
    const bool vga = IsVgaScreen() != FALSE;
    const int glyph = vga ? 30 : 12;
    const int lift = vga ? 5 : 2;
    const int gap = vga ? 6 : 3;
    const OwnedBitmap glyphs(LoadBitmapW(g_Main.instance, MAKEINTRESOURCEW(vga ? IDB_SPIN_DATE_TIME_VGA : IDB_SPIN_DATE_TIME)));
    const SelectScope useFont(dc, g_Main.themeFonts[kFontList]);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int lineBottom = client.bottom - lift;
    const int lineHeight = std::max<int>(metrics.tmHeight, glyph);
    const int glyphTop = lineBottom - (lineHeight + glyph) / 2;
    const int left = client.left + 3;
    const int right = client.right - 3;
    if (glyphs) {
        TransparentImage(dc, left, glyphTop, glyph, glyph, glyphs.Get(), 0, 0, glyph, glyph, kMagenta);
        TransparentImage(dc, right - glyph, glyphTop, glyph, glyph, glyphs.Get(), glyph, 0, glyph, glyph, kMagenta);
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ThemeColour(kThemeSpinText));
    const RECT line{left + glyph + gap, lineBottom - lineHeight, right - glyph - gap, lineBottom};
    ReadableDrawText(dc, date, line, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    ReadableDrawText(dc, time, line, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
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

void DrawSpinnerStrip(HDC dc) {
    PaintBuffered(dc, [](HDC memory, const RECT& client) {
        const SpinnerGeometry g = GetSpinnerGeometry();
        FillRectColour(memory, client, DarkenColor(ThemeColour(kThemeSpinBack), kWheelDarken));
        if (!DrawSpinBackPicture(memory, client)) {
            DrawDot(memory, DotSize::Large, DotShade::Dim);
            DrawDot(memory, DotSize::Normal, DotShade::Normal);
        }
        EnsureSpinnerLists();
        DrawCentrePicture(memory, g, kNoScale, false);
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

void PaintSpinnerView(HDC dc) {
    PaintBuffered(dc, [](HDC memory, const RECT& client) {
        const COLORREF back = ThemeColour(kThemeSpinBack);
        const int frame = g_Wheel.animFrame;
        if (g_Wheel.animMode == 0) {
            FillRectColour(memory, client, back);
            return;
        }
        // The launcher's own background picture stays behind the whole spread, in place of the ring.
        FillRectColour(memory, client, back);
        const bool picture = DrawSpinBackPicture(memory, client);
        if (frame >= kLastLaunchFrame) return;
        if (!picture && frame <= 2) {
            FillRectColour(memory, client, DarkenColor(back, kAnimDarken));
            DrawDot(memory, DotSize::Large, DotShade::Dim);
        }
        const SpinnerGeometry g = GetSpinnerGeometry();
        EnsureSpinnerLists();
        if (frame <= 3) DrawCentrePicture(memory, g, kLaunchCentreScale[frame], true);
        DrawSpinnerItems(memory, g, kLaunchPush[frame]);
    });
}

void FreeSpinnerPictures() {
    for (OwnedBitmap& picture : g_SpinPictures.cache) picture.Reset();
    g_SpinPictures.cacheUsed = 0;
    for (SpinEntry& entry : g_Spinner.entries) entry.pictureSlot = -1;
}

void FreeSpinnerImageLists() {
    FreeSpinnerPictures();
    if (g_SpinPictures.launcher) ImageList_Destroy(g_SpinPictures.launcher);
    if (g_SpinPictures.glyphs) ImageList_Destroy(g_SpinPictures.glyphs);
    g_SpinPictures.launcher = nullptr;
    g_SpinPictures.glyphs = nullptr;
}

// Made again in the look the theme now asks for (the battery glyphs follow "Dark Battery").
void CreateSpinnerImageList() {
    FreeSpinnerImageLists();
    BuildSpinnerLists();
}
