// The device's own card for an item: opened by the item's Display call, it runs its own modal loop
// over the window it is parented to and returns once the user has closed it.
#include "cards/item_card.h"

#include <map>
#include <mutex>

#include "cards/card_window.h"
#include "platform/commctrl.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/shell.h"
#include "platform/testing_pim.h"
#include "platform/time.h"
#include "shell/menu_bar.h"
#include "user/message_queue.h"
#include "user/modal_loop.h"
#include "user/system_metrics.h"

namespace platform::cards {
namespace {

struct OpenCards {
    std::mutex lock;
    std::map<HWND, Card*> byWindow;
};

OpenCards& Open() {
    static OpenCards cards;
    return cards;
}

HFONT MakeFont(int height96, bool bold) {
    LOGFONTW lf{};
    lf.lfHeight = -Scaled(height96);
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    const std::u16string face = u"Tahoma";
    face.copy(lf.lfFaceName, face.size());
    return CreateFontIndirectW(&lf);
}

constexpr DWORD kAppStartMs = 250;

// The bar of each of the device's applications, kept from one card to the next as the application
// keeps its own (the program's edit thread relies on finding it again).
HWND (&AppBars())[3] {
    static HWND bars[3] = {};
    return bars;
}

HWND& AppBar(pim::ItemKind kind) {
    return AppBars()[kind == pim::ItemKind::Contact ? 0 : kind == pim::ItemKind::Task ? 1 : 2];
}

void MakeBar(Card& card) {
    std::vector<SoftKeyButton> buttons;
    if (card.mode == CardMode::Summary) {
        buttons = {{kCmdEdit, u"Edit", true, -1}, {kCmdCancel, u"Close", true, -1}};
    } else {
        buttons = {{kCmdDone, u"Done", true, -1}, {kCmdCancel, u"Cancel", true, -1}};
    }
    HWND& bar = AppBar(card.kind);
    if (!bar || !IsWindow(bar) || !ReuseSoftKeyBar(bar, card.hwnd, buttons)) bar = CreateSoftKeyBar(card.hwnd, buttons);
    card.bar = bar;
}

void EnterEditMode(Card& card) {
    if (card.mode == CardMode::Edit) return;
    card.mode = CardMode::Edit;
    card.scroll = 0;
    ShowScrollBar(card.hwnd, SB_VERT, FALSE);
    MakeBar(card);
    if (!BuildForm(card)) {
        card.ended = true;
        return;
    }
    InvalidateRect(card.hwnd, nullptr, TRUE);
}

LRESULT OnCardCommand(Card& card, UINT command) {
    switch (command) {
    case kCmdEdit:
        if (card.mode == CardMode::Summary) EnterEditMode(card);
        return 0;
    case kCmdDone:
        if (card.mode == CardMode::Edit && SaveForm(card)) card.ended = true;
        return 0;
    case kCmdCancel: card.ended = true; return 0;
    }
    return 0;
}

LRESULT OnCardKey(Card& card, WPARAM key) {
    if (card.mode != CardMode::Summary) return 0;
    const int line = LineHeight(card.font);
    switch (key) {
    case VK_ESCAPE: card.ended = true; break;
    case VK_UP: ScrollSummary(card, -line); break;
    case VK_DOWN: ScrollSummary(card, line); break;
    case VK_RETURN: EnterEditMode(card); break;
    }
    return 0;
}

LRESULT OnCardScroll(Card& card, WPARAM wParam) {
    RECT client{};
    GetClientRect(card.hwnd, &client);
    const int page = client.bottom - client.top;
    const int line = LineHeight(card.font);
    switch (LOWORD(wParam)) {
    case SB_LINEUP: ScrollSummary(card, -line); break;
    case SB_LINEDOWN: ScrollSummary(card, line); break;
    case SB_PAGEUP: ScrollSummary(card, -page); break;
    case SB_PAGEDOWN: ScrollSummary(card, page); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: ScrollSummary(card, static_cast<SHORT>(HIWORD(wParam)) - card.scroll); break;
    }
    return 0;
}

LRESULT CALLBACK CardProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Card* card = CardOf(hwnd);
    if (!card) return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_PAINT: return card->mode == CardMode::Summary ? PaintSummary(*card) : DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_ERASEBKGND: return 1;
    case WM_COMMAND: return OnCardCommand(*card, LOWORD(wParam));
    case WM_KEYDOWN: return OnCardKey(*card, wParam);
    case WM_VSCROLL: return OnCardScroll(*card, wParam);
    case WM_CLOSE: card->ended = true; return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// Registered at each opening: a class already there stays (RegisterClassW fails harmlessly), and one
// that was taken away comes back.
void RegisterCardClass() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = CardProc;
    wc.lpszClassName = kCardClass;
    RegisterClassW(&wc);
    RegisterFormClass();
    INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_DATE_CLASSES};
    InitCommonControlsEx(&init);
}

// Pumps the thread until the card ends. The form's keys go through the dialog navigation (Tab, the
// arrows between fields, Back as Cancel).
void RunCard(Card& card, ModalLoop& loop) {
    const auto queue = CurrentQueue();
    while (!card.ended && !loop.Ended() && IsWindow(card.hwnd)) {
        {
            const std::lock_guard guard(queue->lock);
            queue->woken = false;
        }
        MSG msg{};
        bool handled = false;
        while (!card.ended && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                card.ended = true;
                break;
            }
            handled = true;
            if (card.mode == CardMode::Edit && card.form && (msg.hwnd == card.form || IsChild(card.form, msg.hwnd))) {
                if (FormNavigationKey(card, msg)) continue;
                IsDialogMessageW(card.form, &msg);
                if (msg.message == WM_KEYDOWN || msg.message == WM_LBUTTONDOWN) ShowFocusedRow(card, GetFocus());
                continue;
            }
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (card.ended || loop.Ended()) break;
        if (RunModalAction()) continue;
        if (!handled) WaitForQueue(*queue);
    }
}

}  // namespace

Card* CardOf(HWND hwnd) {
    OpenCards& open = Open();
    const std::lock_guard guard(open.lock);
    const auto it = open.byWindow.find(hwnd);
    return it == open.byWindow.end() ? nullptr : it->second;
}

int Scaled(int size96) { return ScaleToScreen(size96); }

int LineHeight(HFONT font) {
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return tm.tmHeight + tm.tmExternalLeading + Scaled(2);
}

HRESULT ShowItemCard(std::shared_ptr<pim::ItemState> state, HWND parent) {
    // The device's card application takes a moment to come up. A caller that starts a thread to
    // watch for the card's window and bar (as the program's edit thread does) counts on that thread
    // seeing the bars of before the card, even on a busy machine.
    Sleep(kAppStartMs);
    RegisterCardClass();
    if (parent && !IsWindow(parent)) parent = nullptr;
    Card card(std::move(state));
    card.kind = card.item.State().Data().kind;
    card.font = MakeFont(12, false);
    card.bold = MakeFont(12, true);
    card.big = MakeFont(16, true);
    // An appointment or task never saved opens straight in its form; a new contact shows its card first.
    const bool straightToForm = card.item.State().Data().oid == 0 && card.kind != pim::ItemKind::Contact;
    {
        ModalLoop loop(parent);
        const RECT work = WorkArea();
        card.hwnd = CreateWindowExW(0, kCardClass, CardTitle(card.kind), WS_POPUP | WS_VSCROLL, work.left, work.top,
                                    work.right - work.left, work.bottom - work.top, parent, nullptr, nullptr, nullptr);
        if (card.hwnd) {
            {
                const std::lock_guard guard(Open().lock);
                Open().byWindow[card.hwnd] = &card;
            }
            MakeBar(card);
            LayoutSummary(card);
            if (straightToForm) EnterEditMode(card);
            ShowWindow(card.hwnd, SW_SHOW);
            SetForegroundWindow(card.hwnd);
            if (card.mode == CardMode::Summary) SetFocus(card.hwnd);
            RunCard(card, loop);
        }
    }
    if (card.hwnd) {
        // The application's bar stays for its next card, out of sight.
        if (card.bar) ShowWindow(card.bar, SW_HIDE);
        DestroyWindow(card.hwnd);
        const std::lock_guard guard(Open().lock);
        Open().byWindow.erase(card.hwnd);
    }
    for (const HFONT f : {card.font, card.bold, card.big}) DeleteObject(f);
    return card.hwnd ? S_OK : E_FAIL;
}

}  // namespace platform::cards

namespace platform::testing {

HWND ShownItemCard() {
    auto& open = cards::Open();
    const std::lock_guard guard(open.lock);
    for (const auto& [hwnd, card] : open.byWindow)
        if (!card->ended) return hwnd;
    return nullptr;
}

HWND ItemCardControl(HWND card, std::u16string_view label) {
    const cards::Card* c = cards::CardOf(card);
    if (!c) return nullptr;
    for (const cards::FormRow& row : c->rows)
        if (label == row.field->label) return row.control;
    return nullptr;
}

void CloseItemCardApps() {
    for (HWND& bar : cards::AppBars()) {
        if (bar && IsWindow(bar)) DestroyWindow(bar);
        bar = nullptr;
    }
}

bool ItemCardInEditMode(HWND card) {
    const cards::Card* c = cards::CardOf(card);
    return c && c->mode == cards::CardMode::Edit;
}

}  // namespace platform::testing
