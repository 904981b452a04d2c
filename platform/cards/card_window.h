// The window of a device card: the read-only summary of an item and its edit form, in one top-level
// window over the program that asked for it, with the application's soft-key bar.
//
// States of a card, and what moves between them:
//   Summary --Edit (soft key, or command 105 sent to the bar)--> Edit
//   Summary --Close / Back--> ended, store untouched
//   Edit --Cancel / Back--> ended, store untouched
//   Edit --Done, values valid, saved--> ended, the item saved once (one change notification)
//   Edit --Done, a value refused--> Edit, with a message naming the field
// Invariants: 1. the item's object is changed only by a successful Done; a refused save puts its
// values back. 2. The loop ends only in the ended state.
#pragma once

#include <memory>
#include <vector>

#include "cards/card_fields.h"
#include "platform/gdi.h"
#include "platform/user.h"

namespace platform::cards {

enum class CardMode { Summary, Edit };

// One field of the edit form: its label and the control (two for a date and time).
struct FormRow {
    const CardField* field = nullptr;
    HWND label = nullptr;
    HWND control = nullptr;
    HWND second = nullptr;  // the time picker of a date and time
    int top = 0;            // in form coordinates, before scrolling
    int height = 0;
    std::vector<std::u16string> pictureFiles;  // the picture choices after "None" and "Current picture"
    bool hadPicture = false;
};

struct Card {
    HWND hwnd = nullptr;
    HWND bar = nullptr;
    HWND form = nullptr;
    pim::ItemCore item;
    pim::ItemKind kind = pim::ItemKind::Contact;
    CardMode mode = CardMode::Summary;
    bool ended = false;
    int scroll = 0;       // summary: pixels scrolled; form: the same, of the form's rows
    int contentHeight = 0;
    HFONT font = nullptr;
    HFONT bold = nullptr;
    HFONT big = nullptr;
    std::vector<FormRow> rows;

    explicit Card(std::shared_ptr<pim::ItemState> state) : item(std::move(state)) {}
};

inline constexpr const WCHAR* kCardClass = u"QvPimCard";
inline constexpr const WCHAR* kCardFormClass = u"QvPimCardForm";
// The system application's soft-key commands.
inline constexpr UINT kCmdEdit = 105;
inline constexpr UINT kCmdDone = IDOK;
inline constexpr UINT kCmdCancel = IDCANCEL;

Card* CardOf(HWND hwnd);

// The summary (card_summary.cpp).
LRESULT PaintSummary(Card& card);
void LayoutSummary(Card& card);
void ScrollSummary(Card& card, int delta);

// The edit form (card_form.cpp).
void RegisterFormClass();
bool BuildForm(Card& card);
// Checks every value, then writes them and saves; false (form kept, message shown) when refused.
bool SaveForm(Card& card);
// Scrolls the form so the control with the focus is in view.
void ShowFocusedRow(Card& card, HWND focus);
void ScrollForm(Card& card, int delta);
// Enter moves to the next field except in a field of several lines.
bool FormNavigationKey(Card& card, const MSG& msg);

// Sizes and fonts.
int Scaled(int size96);
int LineHeight(HFONT font);

}  // namespace platform::cards
