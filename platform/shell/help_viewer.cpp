// The help viewer window: the page laid out in lines of words, scrolled by the pad or the scroll bar.
// Links are tapped, or picked with Left and Right and followed with Enter; Back returns from a jump
// and closes the viewer when there is nothing to return to.
#include "shell/help_viewer.h"

#include <algorithm>
#include <map>
#include <memory>
#include <tuple>

#include "platform/controls.h"
#include "platform/files.h"
#include "platform/gdi.h"
#include "platform/text.h"
#include "platform/user.h"
#include "shell/help_html.h"
#include "shell/menu_bar.h"
#include "shell/shell_drawing.h"
#include "user/system_metrics.h"

namespace platform {
namespace {

constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kInk = RGB(0, 0, 0);
constexpr COLORREF kLinkInk = RGB(0, 0, 204);
constexpr COLORREF kHeadingInk = RGB(0, 51, 153);
constexpr COLORREF kSelectedLink = RGB(204, 224, 255);
constexpr int kMargin96 = 6;
constexpr int kIndent96 = 14;
constexpr int kBlockGap96 = 5;
constexpr UINT kCmdContents = 1;
constexpr UINT kCmdClose = 2;
constexpr std::u16string_view kFileScheme = u"file:";
constexpr std::u16string_view kHelpFolder = u"\\Windows\\";
constexpr const WCHAR* kViewerTitle = u"Help";

struct FontKey {
    int height96;
    bool bold;
    bool italic;
    bool underline;
    auto operator<=>(const FontKey&) const = default;
};

struct Piece {
    std::u16string text;
    RECT rect{};  // in page coordinates
    FontKey font{};
    COLORREF color = kInk;
    int link = -1;  // index into Viewer::links
};

struct Viewer {
    HWND hwnd = nullptr;
    HWND bar = nullptr;
    HWND previousForeground = nullptr;
    help::Document doc;
    std::vector<Piece> pieces;
    std::vector<int> blockTops;
    std::vector<std::u16string> links;  // targets, in page order
    std::map<FontKey, HFONT> fonts;
    int scroll = 0;
    int contentHeight = 0;
    int selectedLink = -1;
    std::vector<int> history;  // scroll positions to go back to
    std::u16string startAnchor;

    ~Viewer() {
        for (const auto& [key, font] : fonts) DeleteObject(font);
    }
};

// The one viewer of the device (the program runs once).
std::unique_ptr<Viewer>& TheViewer() {
    static std::unique_ptr<Viewer> viewer;
    return viewer;
}

HFONT FontOf(Viewer& v, const FontKey& key) {
    if (const auto it = v.fonts.find(key); it != v.fonts.end()) return it->second;
    LOGFONTW lf{};
    lf.lfHeight = -ScaleToScreen(key.height96);
    lf.lfWeight = key.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = key.italic ? 1 : 0;
    lf.lfUnderline = key.underline ? 1 : 0;
    const std::u16string face = u"Tahoma";
    face.copy(lf.lfFaceName, face.size());
    const HFONT font = CreateFontIndirectW(&lf);
    v.fonts[key] = font;
    return font;
}

int HeightOf(help::BlockKind kind) {
    switch (kind) {
    case help::BlockKind::Heading1: return 17;
    case help::BlockKind::Heading2: return 14;
    case help::BlockKind::Heading3: return 13;
    default: return 12;
    }
}

bool IsHeading(help::BlockKind kind) { return kind != help::BlockKind::Paragraph && kind != help::BlockKind::ListItem; }

// The words of a run, each with the blank that follows it.
std::vector<std::u16string> Words(const std::u16string& text) {
    std::vector<std::u16string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t end = text.find(u' ', i);
        end = end == std::u16string::npos ? text.size() : end + 1;
        words.push_back(text.substr(i, end - i));
        i = end;
    }
    return words;
}

SIZE Measure(HDC dc, Viewer& v, const FontKey& key, const std::u16string& text) {
    SelectObject(dc, FontOf(v, key));
    SIZE s{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &s);
    return s;
}

class LineBuilder {
public:
    LineBuilder(Viewer& v, HDC dc, int left, int right, int top) : v_(v), dc_(dc), left_(left), right_(right), y_(top), x_(left) {}

    void Add(const std::u16string& word, const FontKey& key, COLORREF color, int link) {
        std::u16string shown = word;
        SIZE size = Measure(dc_, v_, key, shown);
        std::u16string trimmed = shown;
        while (!trimmed.empty() && trimmed.back() == u' ') trimmed.pop_back();
        const SIZE trimmedSize = Measure(dc_, v_, key, trimmed);
        if (x_ > left_ && x_ + trimmedSize.cx > right_) Break();
        line_.push_back({shown, {x_, y_, x_ + size.cx, y_ + size.cy}, key, color, link});
        x_ += size.cx;
        lineHeight_ = std::max<int>(lineHeight_, size.cy);
    }

    void Break() {
        if (line_.empty()) {
            y_ += lineHeight_ > 0 ? lineHeight_ : Measure(dc_, v_, {12, false, false, false}, u"X").cy;
        } else {
            for (Piece& p : line_) {
                p.rect.top = y_;
                p.rect.bottom = y_ + lineHeight_;
                v_.pieces.push_back(std::move(p));
            }
            y_ += lineHeight_;
        }
        line_.clear();
        x_ = left_;
        lineHeight_ = 0;
    }

    int Finish() {
        if (!line_.empty()) Break();
        return y_;
    }

private:
    Viewer& v_;
    HDC dc_;
    int left_;
    int right_;
    int y_;
    int x_;
    int lineHeight_ = 0;
    std::vector<Piece> line_;
};

void Layout(Viewer& v) {
    v.pieces.clear();
    v.blockTops.clear();
    v.links.clear();
    RECT client{};
    GetClientRect(v.hwnd, &client);
    const int margin = ScaleToScreen(kMargin96);
    const HDC dc = GetDC(nullptr);
    int y = margin;
    for (const help::Block& block : v.doc.blocks) {
        v.blockTops.push_back(y);
        const int size = HeightOf(block.kind);
        const bool heading = IsHeading(block.kind);
        const int indent = block.kind == help::BlockKind::ListItem ? ScaleToScreen(kIndent96) * block.depth : 0;
        if (block.kind == help::BlockKind::ListItem) {
            const std::u16string marker = block.number > 0 ? platform::FormatW(u"%d.", block.number) : u"\u2022";
            const FontKey key{size, false, false, false};
            const SIZE s = Measure(dc, v, key, marker);
            const int x = client.left + margin + indent - s.cx - ScaleToScreen(4);
            v.pieces.push_back({marker, {x, y, x + s.cx, y + s.cy}, key, kInk, -1});
        }
        LineBuilder lines(v, dc, client.left + margin + indent, client.right - margin, y);
        for (const help::Run& run : block.runs) {
            if (run.text == u"\n") {
                lines.Break();
                continue;
            }
            int link = -1;
            if (!run.href.empty()) {
                link = static_cast<int>(v.links.size());
                v.links.push_back(run.href);
            }
            const FontKey key{size, heading || run.bold, run.italic, link >= 0};
            const COLORREF color = link >= 0 ? kLinkInk : heading ? kHeadingInk : kInk;
            for (const std::u16string& word : Words(run.text)) lines.Add(word, key, color, link);
        }
        y = lines.Finish() + ScaleToScreen(kBlockGap96) * (heading ? 2 : 1);
    }
    ReleaseDC(nullptr, dc);
    v.contentHeight = y + margin;
}

void UpdateScrollBar(Viewer& v) {
    RECT client{};
    GetClientRect(v.hwnd, &client);
    const int page = client.bottom - client.top;
    v.scroll = std::clamp(v.scroll, 0, std::max(0, v.contentHeight - page));
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, v.contentHeight - 1, static_cast<UINT>(page),
                    v.scroll, 0};
    SetScrollInfo(v.hwnd, SB_VERT, &info, TRUE);
}

void ScrollTo(Viewer& v, int position) {
    v.scroll = position;
    UpdateScrollBar(v);
    InvalidateRect(v.hwnd, nullptr, TRUE);
}

bool JumpToAnchor(Viewer& v, const std::u16string& anchor) {
    const auto it = v.doc.anchors.find(anchor);
    if (it == v.doc.anchors.end() || it->second >= v.blockTops.size()) return false;
    ScrollTo(v, v.blockTops[it->second] - ScaleToScreen(kMargin96));
    return true;
}

void Follow(Viewer& v, int link) {
    if (link < 0 || link >= static_cast<int>(v.links.size())) return;
    const std::u16string& target = v.links[static_cast<std::size_t>(link)];
    // Only the page's own anchors lead anywhere: the device opens no other page from here.
    if (target.size() < 2 || target[0] != u'#') return;
    const int from = v.scroll;
    if (JumpToAnchor(v, target.substr(1))) v.history.push_back(from);
}

void Close(Viewer& v) {
    const HWND previous = v.previousForeground;
    if (v.bar) DestroyWindow(v.bar);
    const HWND hwnd = v.hwnd;
    v.hwnd = nullptr;
    DestroyWindow(hwnd);
    TheViewer().reset();
    if (previous && IsWindow(previous)) SetForegroundWindow(previous);
}

void Back(Viewer& v) {
    if (v.history.empty()) {
        Close(v);
        return;
    }
    const int to = v.history.back();
    v.history.pop_back();
    ScrollTo(v, to);
}

// Left and Right pick the previous or next link, bringing it into view.
// Lays the page out to the client's width; when that made the scroll bar come or go, the width
// changed, and the lines are wrapped again so that none runs under the bar.
void LayoutPage(Viewer& v) {
    RECT before{};
    GetClientRect(v.hwnd, &before);
    Layout(v);
    UpdateScrollBar(v);
    RECT after{};
    GetClientRect(v.hwnd, &after);
    if (after.right == before.right) return;
    Layout(v);
    UpdateScrollBar(v);
}

void SelectLink(Viewer& v, int step) {
    if (v.links.empty()) return;
    const int count = static_cast<int>(v.links.size());
    v.selectedLink = v.selectedLink < 0 ? (step > 0 ? 0 : count - 1) : (v.selectedLink + step + count) % count;
    for (const Piece& p : v.pieces) {
        if (p.link != v.selectedLink) continue;
        RECT client{};
        GetClientRect(v.hwnd, &client);
        if (p.rect.top < v.scroll) v.scroll = p.rect.top;
        else if (p.rect.bottom > v.scroll + client.bottom) v.scroll = p.rect.bottom - client.bottom;
        break;
    }
    UpdateScrollBar(v);
    InvalidateRect(v.hwnd, nullptr, TRUE);
}

LRESULT OnPaint(Viewer& v) {
    PAINTSTRUCT ps{};
    const HDC dc = BeginPaint(v.hwnd, &ps);
    RECT client{};
    GetClientRect(v.hwnd, &client);
    FillSolid(dc, client, kPaper);
    SetBkMode(dc, TRANSPARENT);
    const HBRUSH selected = CreateSolidBrush(kSelectedLink);
    for (const Piece& p : v.pieces) {
        RECT r = p.rect;
        OffsetRect(&r, 0, -v.scroll);
        if (r.bottom < client.top || r.top > client.bottom) continue;
        if (p.link >= 0 && p.link == v.selectedLink) FillRect(dc, &r, selected);
        SelectObject(dc, FontOf(v, p.font));
        SetTextColor(dc, p.color);
        std::u16string text = p.text;
        while (!text.empty() && text.back() == u' ') text.pop_back();
        ExtTextOutW(dc, r.left, r.top, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()), nullptr);
    }
    DeleteObject(selected);
    EndPaint(v.hwnd, &ps);
    return 0;
}

LRESULT OnTap(Viewer& v, LPARAM lParam) {
    const POINT at{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam)) + v.scroll};
    for (const Piece& p : v.pieces)
        if (p.link >= 0 && PtInRect(&p.rect, at)) {
            v.selectedLink = p.link;
            Follow(v, p.link);
            InvalidateRect(v.hwnd, nullptr, TRUE);
            return 0;
        }
    return 0;
}

LRESULT OnKey(Viewer& v, WPARAM key) {
    RECT client{};
    GetClientRect(v.hwnd, &client);
    const int line = ScaleToScreen(16);
    switch (key) {
    case VK_UP: ScrollTo(v, v.scroll - line); break;
    case VK_DOWN: ScrollTo(v, v.scroll + line); break;
    case VK_LEFT: SelectLink(v, -1); break;
    case VK_RIGHT: SelectLink(v, 1); break;
    case VK_RETURN: Follow(v, v.selectedLink); break;
    case VK_ESCAPE: Back(v); break;
    }
    return 0;
}

LRESULT OnScroll(Viewer& v, WPARAM wParam) {
    RECT client{};
    GetClientRect(v.hwnd, &client);
    const int page = client.bottom - client.top;
    const int line = ScaleToScreen(16);
    switch (LOWORD(wParam)) {
    case SB_LINEUP: ScrollTo(v, v.scroll - line); break;
    case SB_LINEDOWN: ScrollTo(v, v.scroll + line); break;
    case SB_PAGEUP: ScrollTo(v, v.scroll - page); break;
    case SB_PAGEDOWN: ScrollTo(v, v.scroll + page); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: ScrollTo(v, static_cast<SHORT>(HIWORD(wParam))); break;
    }
    return 0;
}

LRESULT OnCommand(Viewer& v, UINT command) {
    if (command == kCmdClose) {
        Close(v);
    } else if (command == kCmdContents) {
        v.history.push_back(v.scroll);
        if (v.startAnchor.empty() || !JumpToAnchor(v, v.startAnchor)) ScrollTo(v, 0);
    }
    return 0;
}

LRESULT CALLBACK ViewerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Viewer* v = TheViewer().get();
    if (!v || v->hwnd != hwnd) return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_PAINT: return OnPaint(*v);
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONUP: return OnTap(*v, lParam);
    case WM_KEYDOWN: return OnKey(*v, wParam);
    case WM_VSCROLL: return OnScroll(*v, wParam);
    case WM_COMMAND: return OnCommand(*v, LOWORD(wParam));
    case WM_CLOSE: Close(*v); return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// Registered at each start; a class already there stays.
void RegisterViewerClass() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ViewerProc;
    wc.lpszClassName = kHelpViewerClass;
    RegisterClassW(&wc);
}

std::optional<std::string> ReadWholeFile(const std::u16string& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    const BOOL ok = bytes.empty() || ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    if (!ok || read != bytes.size()) return std::nullopt;
    return bytes;
}

help::Document LoadPage(const std::u16string& path) {
    const auto bytes = ReadWholeFile(path);
    if (!bytes) {
        return help::ParseHtml(u"<h1>Help</h1><p>The help file " + path + u" cannot be found.</p>");
    }
    std::string_view text(*bytes);
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    return help::ParseHtml(FromUtf8(text));
}

}  // namespace

void StartHelpViewer(std::u16string_view commandLine) {
    std::u16string_view target = commandLine;
    while (!target.empty() && target.front() == u' ') target.remove_prefix(1);
    if (target.size() >= kFileScheme.size() && EqualNoCase(target.substr(0, kFileScheme.size()), kFileScheme))
        target.remove_prefix(kFileScheme.size());
    const auto hash = target.find(u'#');
    const std::u16string anchor(hash == std::u16string_view::npos ? u"" : target.substr(hash + 1));
    std::u16string file(target.substr(0, hash));
    if (file.find_first_of(u"\\/") == std::u16string::npos) file = std::u16string(kHelpFolder) + file;

    RegisterViewerClass();
    std::unique_ptr<Viewer>& slot = TheViewer();
    if (!slot) {
        slot = std::make_unique<Viewer>();
        slot->previousForeground = GetForegroundWindow();
        const RECT work = WorkArea();
        // The window must be known before it handles its first message.
        Viewer* v = slot.get();
        v->hwnd = CreateWindowExW(0, kHelpViewerClass, kViewerTitle, WS_POPUP | WS_VSCROLL, work.left, work.top,
                                  work.right - work.left, work.bottom - work.top, nullptr, nullptr, nullptr, nullptr);
        if (!v->hwnd) {
            slot.reset();
            return;
        }
        v->bar = CreateSoftKeyBar(v->hwnd, {{kCmdContents, u"Contents", true, -1}, {kCmdClose, u"Close", true, -1}});
    }
    Viewer& v = *slot;
    v.doc = LoadPage(file);
    v.history.clear();
    v.selectedLink = -1;
    v.startAnchor = anchor;
    v.scroll = 0;
    LayoutPage(v);
    if (!anchor.empty()) JumpToAnchor(v, anchor);
    ShowWindow(v.hwnd, SW_SHOW);
    SetForegroundWindow(v.hwnd);
    SetFocus(v.hwnd);
    InvalidateRect(v.hwnd, nullptr, TRUE);
}

}  // namespace platform

namespace platform::testing {

HWND ShownHelpViewer() {
    const auto& v = TheViewer();
    return v ? v->hwnd : nullptr;
}

}  // namespace platform::testing
