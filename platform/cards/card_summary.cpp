// The summary of a card: the item's name or subject at the top, then each field that is set, label
// beside value, scrolled by the navigation pad or the scroll bar. The contact's picture sits at the
// top right.
#include <algorithm>

#include "cards/card_window.h"
#include "platform/controls.h"
#include "platform/imaging.h"
#include "shell/shell_drawing.h"

namespace platform::cards {
namespace {

constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kInk = RGB(0, 0, 0);
constexpr COLORREF kLabelInk = RGB(96, 96, 96);
constexpr COLORREF kRule = RGB(200, 200, 200);
constexpr int kMargin96 = 4;
constexpr int kPicture96 = 48;
constexpr int kImportanceNames = 3;
constexpr const char16_t* kImportance[kImportanceNames] = {u"Low", u"Normal", u"High"};

struct SummaryLine {
    std::u16string label;  // empty: a heading line across the card
    std::u16string value;
    HFONT font = nullptr;
};

bool IsHeadingField(const CardField& f) {
    return f.prop == PIMPR_SUBJECT || f.prop == PIMPR_FIRST_NAME || f.prop == PIMPR_MIDDLE_NAME ||
           f.prop == PIMPR_LAST_NAME;
}

// The text a field shows on the summary, empty when it is not set.
std::u16string ShownValue(const Card& card, const CardField& f) {
    const FieldValue v = ReadField(card.item, f);
    switch (f.type) {
    case FieldType::Date: return DateText(v.date, false);
    case FieldType::DateTime: {
        bool allDay = false;
        if (card.kind == pim::ItemKind::Appointment) {
            LONG flag = 0;
            card.item.GetLong(PIMPR_ALL_DAY_EVENT, &flag);
            allDay = flag != 0;
        }
        return DateText(v.date, !allDay);
    }
    case FieldType::Check: return v.number ? u"Yes" : u"";
    case FieldType::Importance: return v.number >= 0 && v.number < kImportanceNames ? kImportance[v.number] : u"";
    case FieldType::Picture: return u"";
    default: return v.text;
    }
}

std::vector<SummaryLine> Lines(const Card& card) {
    std::vector<SummaryLine> lines;
    const std::u16string title = card.kind == pim::ItemKind::Contact ? ContactName(card.item) : [&] {
        BSTR text = nullptr;
        card.item.GetText(PIMPR_SUBJECT, &text);
        std::u16string s = text ? text : u"";
        SysFreeString(text);
        return s.empty() ? std::u16string(u"(No subject)") : s;
    }();
    lines.push_back({u"", title, card.big});
    for (const CardField& f : FieldsOf(card.kind)) {
        if (IsHeadingField(f) || (f.prop == PIMPR_FILEAS)) continue;
        const std::u16string value = ShownValue(card, f);
        if (!value.empty()) lines.push_back({f.label, value, card.font});
    }
    return lines;
}

int LabelWidth(const RECT& client) { return (client.right - client.left) * 2 / 5; }

// Lays out (and with a DC given, draws) the lines; gives the height they take.
int DrawLines(const Card& card, HDC dc, const RECT& client, bool draw) {
    const int margin = Scaled(kMargin96);
    const int picture = Scaled(kPicture96);
    int y = margin - card.scroll;
    const HDC measure = dc ? dc : GetDC(nullptr);
    SetBkMode(measure, TRANSPARENT);
    bool first = true;
    for (const SummaryLine& line : Lines(card)) {
        const HGDIOBJ old = SelectObject(measure, line.font);
        const bool heading = line.label.empty();
        RECT valueRect{heading ? client.left + margin : client.left + LabelWidth(client), y,
                       client.right - margin - (first && card.kind == pim::ItemKind::Contact ? picture + margin : 0), y};
        DrawTextW(measure, line.value.c_str(), -1, &valueRect, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        const int height = std::max<int>(valueRect.bottom - valueRect.top, LineHeight(line.font));
        if (draw) {
            SetTextColor(measure, kInk);
            RECT r{valueRect.left, y, valueRect.right, y + height};
            DrawTextW(measure, line.value.c_str(), -1, &r, DT_WORDBREAK | DT_NOPREFIX);
            if (!heading) {
                SelectObject(measure, card.font);
                SetTextColor(measure, kLabelInk);
                RECT label{client.left + margin, y, client.left + LabelWidth(client) - margin, y + height};
                DrawTextW(measure, line.label.c_str(), -1, &label, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
            }
        }
        y += height + (heading ? margin : 0);
        if (first && card.kind == pim::ItemKind::Contact) y = std::max(y, margin - card.scroll + picture + margin);
        if (heading && draw) {
            FillSolid(measure, RECT{client.left + margin, y - margin / 2 - 1, client.right - margin, y - margin / 2}, kRule);
        }
        first = false;
        SelectObject(measure, old);
    }
    if (!dc) ReleaseDC(nullptr, measure);
    return y + card.scroll + margin;
}

void DrawPicture(const Card& card, HDC dc, const RECT& client) {
    const std::vector<BYTE>* bytes = card.item.State().Data().Bytes(PIMPR_PICTURE);
    if (card.kind != pim::ItemKind::Contact || !bytes || bytes->empty()) return;
    IImagingFactory* factory = nullptr;
    if (FAILED(CreateImagingFactory(IID_IImagingFactory, reinterpret_cast<void**>(&factory))) || !factory) return;
    IImage* image = nullptr;
    if (SUCCEEDED(factory->CreateImageFromBuffer(bytes->data(), static_cast<UINT>(bytes->size()),
                                                  BufferDisposalFlagNone, &image)) && image) {
        const int margin = Scaled(kMargin96);
        const int side = Scaled(kPicture96);
        const RECT r{client.right - margin - side, margin - card.scroll, client.right - margin, margin - card.scroll + side};
        image->Draw(dc, &r, nullptr);
        image->Release();
    }
    factory->Release();
}

}  // namespace

void LayoutSummary(Card& card) {
    RECT client{};
    GetClientRect(card.hwnd, &client);
    card.contentHeight = DrawLines(card, nullptr, client, false);
    const int page = client.bottom - client.top;
    card.scroll = std::clamp(card.scroll, 0, std::max(0, card.contentHeight - page));
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, card.contentHeight - 1,
                    static_cast<UINT>(page), card.scroll, 0};
    SetScrollInfo(card.hwnd, SB_VERT, &info, TRUE);
}

void ScrollSummary(Card& card, int delta) {
    card.scroll += delta;
    LayoutSummary(card);
    InvalidateRect(card.hwnd, nullptr, TRUE);
}

LRESULT PaintSummary(Card& card) {
    PAINTSTRUCT ps{};
    const HDC dc = BeginPaint(card.hwnd, &ps);
    RECT client{};
    GetClientRect(card.hwnd, &client);
    FillSolid(dc, client, kPaper);
    DrawLines(card, dc, client, true);
    DrawPicture(card, dc, client);
    EndPaint(card.hwnd, &ps);
    return 0;
}

}  // namespace platform::cards
