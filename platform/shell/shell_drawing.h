// Small helpers for the shell's painters: the shell's font, objects that are deleted and
// deselected when they go, a paint session, and solid fills.
#pragma once

#include "platform/gdi.h"
#include "platform/user.h"

namespace platform {

class ShellFontObject {
public:
    explicit ShellFontObject(HFONT font) : font_(font) {}
    ~ShellFontObject() {
        if (font_) DeleteObject(font_);
    }
    ShellFontObject(const ShellFontObject&) = delete;
    ShellFontObject& operator=(const ShellFontObject&) = delete;
    ShellFontObject(ShellFontObject&& other) noexcept : font_(other.font_) { other.font_ = nullptr; }
    HFONT Get() const { return font_; }

private:
    HFONT font_;
};

// The shell's sans-serif font at the size of its bars; bold for the bars' own texts.
ShellFontObject ShellFont(bool bold);

class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (previous_) SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

class PaintSession {
public:
    explicit PaintSession(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~PaintSession() {
        if (dc_) EndPaint(window_, &paint_);
    }
    PaintSession(const PaintSession&) = delete;
    PaintSession& operator=(const PaintSession&) = delete;
    HDC Dc() const { return dc_; }
    RECT Client() const {
        RECT r{};
        GetClientRect(window_, &r);
        return r;
    }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_ = nullptr;
};

class ScreenDc {
public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ~ScreenDc() {
        if (dc_) ReleaseDC(nullptr, dc_);
    }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

void FillSolid(HDC dc, const RECT& rect, COLORREF colour);

}  // namespace platform
