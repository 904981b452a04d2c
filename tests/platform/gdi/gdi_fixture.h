// A memory DC holding a white colour bitmap, for pixel tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "platform/gdi.h"
#include "platform/testing_gdi.h"

namespace gdi_test {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kMagenta = RGB(255, 0, 255);

class Surface32 {
public:
    Surface32(int width, int height) : width_(width), height_(height) {
        dc_ = CreateCompatibleDC(nullptr);
        HDC screen = GetDC(nullptr);
        bitmap_ = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        old_ = SelectObject(dc_, bitmap_);
        Clear(kWhite);
    }
    ~Surface32() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Surface32(const Surface32&) = delete;
    Surface32& operator=(const Surface32&) = delete;

    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void Clear(COLORREF colour) const {
        HBRUSH brush = CreateSolidBrush(colour);
        const RECT all{0, 0, width_, height_};
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }
    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }
    // The smallest box holding every pixel that is not the background.
    std::array<LONG, 4> Ink(COLORREF background = kWhite) const {
        RECT box{width_, height_, -1, -1};
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (At(x, y) != background) {
                    box.left = std::min<LONG>(box.left, x);
                    box.top = std::min<LONG>(box.top, y);
                    box.right = std::max<LONG>(box.right, x + 1);
                    box.bottom = std::max<LONG>(box.bottom, y + 1);
                }
        return {box.left, box.top, box.right, box.bottom};
    }
    int Count(COLORREF colour) const {
        int n = 0;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) n += At(x, y) == colour;
        return n;
    }
    // One character a pixel: '.' white, '#' black, 'r' red, 'b' blue, '?' other; rows joined by '|'.
    std::string Picture(int w, int h) const {
        std::string out;
        for (int y = 0; y < h; ++y) {
            if (y) out += '|';
            for (int x = 0; x < w; ++x) {
                const COLORREF c = At(x, y);
                out += c == kWhite ? '.' : c == kBlack ? '#' : c == kRed ? 'r' : c == kBlue ? 'b' : '?';
            }
        }
        return out;
    }

private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

// Selects an object for the scope and deletes it afterwards.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), object_(object), old_(SelectObject(dc, object)) {}
    ~Selected() {
        SelectObject(dc_, old_);
        DeleteObject(object_);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ object_;
    HGDIOBJ old_;
};

// A rectangle as something tests compare and print.
using Box = std::array<LONG, 4>;
inline Box BoxOf(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace gdi_test
