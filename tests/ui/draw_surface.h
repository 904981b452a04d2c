// A memory device context over a white bitmap for the painting tests, and setting theme colours.
#pragma once

#include <initializer_list>
#include <utility>
#include <vector>

#include "core/theme_record.h"
#include "core/theme_words.h"
#include "platform/gdi.h"
#include "platform/user.h"

class DrawSurface {
public:
    DrawSurface(int width, int height) : screen_(GetDC(nullptr)), dc_(CreateCompatibleDC(screen_)) {
        bitmap_ = CreateCompatibleBitmap(screen_, width, height);
        previous_ = SelectObject(dc_, bitmap_);
        const RECT all{0, 0, width, height};
        const HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
        FillRect(dc_, &all, white);
        DeleteObject(white);
    }
    ~DrawSurface() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
        ReleaseDC(nullptr, screen_);
    }
    DrawSurface(const DrawSurface&) = delete;
    DrawSurface& operator=(const DrawSurface&) = delete;

    HDC dc() const { return dc_; }
    COLORREF Pixel(int x, int y) const { return GetPixel(dc_, x, y) & 0xFFFFFF; }

private:
    HDC screen_;
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

// Sets theme words for one test and puts every word back to 0 after it.
class ThemeWords {
public:
    // The tests start from a theme of all zero words and leave the theme as they found it.
    ThemeWords(std::initializer_list<std::pair<int, LONG>> words) : saved_(g_Theme) {
        g_Theme.words.fill(0);
        for (const auto& [word, value] : words) SetThemeWord(word, value);
    }
    ~ThemeWords() { g_Theme = saved_; }
    void Set(int word, LONG value) { SetThemeWord(word, value); }

private:
    ThemeRec saved_;
};
