// Typed and checked numbers of the small field-list dialogs.
#include "editors/number_rows.h"

#include <algorithm>
#include <string>

#include "core/show_message.h"
#include "editors/field_list.h"
#include "editors/res_text.h"
#include "platform/commctrl.h"
#include "platform/text.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/list_view_calls.h"
#include "ui/text_prompt.h"

namespace {

constexpr int kMaxTypedDigits = 9;  // any nine digits fit a LONG

const NumberRowRange* RangeOf(const ValSnap& row, std::span<const NumberRowRange> ranges) {
    for (const NumberRowRange& range : ranges) {
        if (ValSnapIsFor(row, range.live)) return &range;
    }
    return nullptr;
}

// The row's label without its closing colon, as the message and the prompt name it.
std::u16string RowName(const ValSnap& row) {
    std::u16string name = row.label;
    while (!name.empty() && (name.back() == u':' || name.back() == u' ')) name.pop_back();
    return name;
}

bool InRange(LONG value, const NumberRowRange& range) { return value >= range.first && value <= range.last; }

void ShowRangeMessage(HWND dialog, const ValSnap& row, const NumberRowRange& range) {
    const std::u16string text = platform::FormatW(LoadResStr(IDS_NUMBER_OUT_OF_RANGE).c_str(), RowName(row).c_str(),
                                                  static_cast<int>(range.first), static_cast<int>(range.last));
    ShowMessage(dialog, text.c_str(), MB_ICONEXCLAMATION);
}

// The typed text as a number; false for an empty text, anything but digits, or too many digits.
bool ParseTyped(const std::u16string& text, LONG& value) {
    if (text.empty() || text.size() > kMaxTypedDigits) return false;
    value = 0;
    for (const char16_t c : text) {
        if (c < u'0' || c > u'9') return false;
        value = value * 10 + (c - u'0');
    }
    return true;
}

}  // namespace

void FillNumberRowChoices(ValSnap& row, const NumberRowRange& range) {
    const LONG stored = *static_cast<const LONG*>(range.live);
    const LONG low = std::min(range.first - range.shownAbove, stored);
    const LONG high = std::max(range.last - range.shownAbove, stored);
    row.choices.RemoveAll();
    for (LONG live = low; live <= high; ++live) {
        row.choices.Append(platform::FormatW(u"%d", static_cast<int>(live + range.shownAbove)));
    }
    row.offset = low;
    row.indexValue = stored - low;
    row.choiceCount = row.choices.Size();
}

LONG NumberRowValue(const ValSnap& row, const NumberRowRange& range) {
    return row.offset + row.indexValue + range.shownAbove;
}

bool TypeNumberIntoRow(HWND dialog, int listId, WCHAR ch, std::span<const NumberRowRange> ranges) {
    if (ch < u'0' || ch > u'9') return false;
    const HWND list = GetDlgItem(dialog, listId);
    const int index = FieldListSelRow(list);
    if (index < 0 || index >= FieldListRows().Size()) return false;
    ValSnap row = FieldListRows()[index];
    const NumberRowRange* range = RangeOf(row, ranges);
    if (range == nullptr || row.locked != 0) return false;
    g_PromptText = std::u16string(1, ch);
    if (PromptTextOpt(dialog, RowName(row), row.label, kPromptDigits) != kPromptAccepted) {
        SetFocus(list);
        return true;
    }
    LONG value = 0;
    if (!ParseTyped(g_PromptText, value) || !InRange(value, *range)) {
        ShowRangeMessage(dialog, row, *range);
        SetFocus(list);
        return true;
    }
    row.indexValue = value - range->shownAbove - row.offset;  // the choices always span the range
    StoreFieldRow(list, index, row);
    return true;
}

bool CheckNumberRows(HWND dialog, int listId, std::span<const NumberRowRange> ranges) {
    const ValSnapArray& rows = FieldListRows();
    for (int i = 0; i < rows.Size(); ++i) {
        const NumberRowRange* range = RangeOf(rows[i], ranges);
        if (range == nullptr || !ValSnapChanged(rows[i])) continue;
        if (InRange(NumberRowValue(rows[i], *range), *range)) continue;
        ShowRangeMessage(dialog, rows[i], *range);
        const HWND list = GetDlgItem(dialog, listId);
        LvSelectRow(list, i);
        SetFocus(list);
        return false;
    }
    return true;
}
