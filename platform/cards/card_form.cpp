// The edit form of a card: one row a field, label beside its control (edits, the date and time
// pickers, a check box, choice lists), scrolled so that the field with the focus is always in view.
// Done checks every value first and names the first bad one; only then is the item written and saved.
#include <algorithm>
#include <array>

#include "cards/card_window.h"
#include "imaging/picture.h"
#include "platform/commctrl.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/files.h"

namespace platform::cards {
namespace {

constexpr int kMargin96 = 4;
constexpr int kRowGap96 = 4;
constexpr int kLinesTall = 3;
constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kLinesStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
constexpr std::array<const char16_t*, 3> kImportanceNames = {u"Low", u"Normal", u"High"};
constexpr const char16_t* kNoPicture = u"None";
constexpr const char16_t* kCurrentPicture = u"Current picture";
constexpr std::array<std::u16string_view, 5> kPictureExtensions = {u".jpg", u".jpeg", u".png", u".gif", u".bmp"};
constexpr std::array<const char16_t*, 2> kPictureFolders = {u"\\My Documents", u"\\My Documents\\My Pictures"};

bool HasPictureExtension(std::u16string_view name) {
    const auto dot = name.rfind(u'.');
    if (dot == std::u16string_view::npos) return false;
    const std::u16string_view ext = name.substr(dot);
    for (const std::u16string_view e : kPictureExtensions) {
        if (ext.size() != e.size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < e.size(); ++i) same = same && (ext[i] | 0x20) == e[i];
        if (same) return true;
    }
    return false;
}

std::vector<std::u16string> PictureFiles() {
    std::vector<std::u16string> files;
    for (const char16_t* folder : kPictureFolders) {
        WIN32_FIND_DATAW found{};
        const std::u16string pattern = std::u16string(folder) + u"\\*";
        const HANDLE find = FindFirstFileW(pattern.c_str(), &found);
        if (find == INVALID_HANDLE_VALUE) continue;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && HasPictureExtension(found.cFileName))
                files.push_back(std::u16string(folder) + u"\\" + found.cFileName);
        } while (FindNextFileW(find, &found));
        FindClose(find);
    }
    return files;
}

std::u16string WindowText(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
    const int copied = GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::clamp(copied, 0, length)));
    return text;
}

HWND MakeControl(const Card& card, const WCHAR* cls, const WCHAR* text, DWORD style, int id) {
    const HWND h = CreateWindowExW(0, cls, text, style, 0, 0, 10, 10, card.form,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(card.font), FALSE);
    return h;
}

HWND MakePicker(const Card& card, DWORD style, int id) {
    return MakeControl(card, DATETIMEPICK_CLASSW, u"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | style, id);
}

void SetPicker(HWND picker, DATE date) {
    SYSTEMTIME t{};
    if (!pim::IsNoDate(date) && pim::OleToSystemTime(date, t)) (void)DateTime_SetSystemtime(picker, GDT_VALID, &t);
    else (void)DateTime_SetSystemtime(picker, GDT_NONE, nullptr);
}

// The day a picker holds (no time of day), or no date.
DATE PickerDay(HWND picker, bool* invalid = nullptr) {
    SYSTEMTIME t{};
    if (DateTime_GetSystemtime(picker, &t) != GDT_VALID) return pim::kNoDate;
    t.wHour = t.wMinute = t.wSecond = 0;
    DATE d = pim::kNoDate;
    if (!pim::SystemTimeToOle(t, d) && invalid) *invalid = true;
    return d;
}

DATE PickerMinutes(HWND picker) {
    SYSTEMTIME t{};
    if (DateTime_GetSystemtime(picker, &t) != GDT_VALID) return 0;
    return pim::OleFromMinutes(t.wHour * 60 + t.wMinute);
}

void AddRow(Card& card, const CardField& field, int id) {
    FormRow row;
    row.field = &field;
    row.label = MakeControl(card, WC_STATICW, field.label, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, -1);
    const FieldValue v = ReadField(card.item, field);
    const int line = LineHeight(card.font);
    row.height = line + Scaled(6);
    switch (field.type) {
    case FieldType::Lines:
        row.control = MakeControl(card, WC_EDITW, v.text.c_str(), kLinesStyle, id);
        row.height = line * (field.prop == PIMPR_BODY_TEXT ? kLinesTall + 1 : kLinesTall - 1) + Scaled(6);
        break;
    case FieldType::Date:
        row.control = MakePicker(card, DTS_SHOWNONE | DTS_SHORTDATEFORMAT, id);
        SetPicker(row.control, v.date);
        break;
    case FieldType::DateTime:
        row.control = MakePicker(card, DTS_SHORTDATEFORMAT, id);
        row.second = MakePicker(card, DTS_TIMEFORMAT, id + 1);
        SetPicker(row.control, pim::IsNoDate(v.date) ? pim::OleNow() : v.date);
        SetPicker(row.second, pim::IsNoDate(v.date) ? pim::OleNow() : v.date);
        break;
    case FieldType::Check:
        row.control = MakeControl(card, WC_BUTTONW, u"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, id);
        SendMessageW(row.control, BM_SETCHECK, v.number ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    case FieldType::Importance:
        row.control = MakeControl(card, WC_COMBOBOXW, u"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL, id);
        for (const char16_t* name : kImportanceNames) SendMessageW(row.control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
        SendMessageW(row.control, CB_SETCURSEL, static_cast<WPARAM>(std::clamp<LONG>(v.number, 0, 2)), 0);
        break;
    case FieldType::Picture:
        row.control = MakeControl(card, WC_COMBOBOXW, u"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL, id);
        row.hadPicture = v.pictureSet;
        SendMessageW(row.control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kNoPicture));
        if (row.hadPicture) SendMessageW(row.control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kCurrentPicture));
        row.pictureFiles = PictureFiles();
        for (const std::u16string& file : row.pictureFiles)
            SendMessageW(row.control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(file.c_str()));
        SendMessageW(row.control, CB_SETCURSEL, row.hadPicture ? 1 : 0, 0);
        break;
    default: row.control = MakeControl(card, WC_EDITW, v.text.c_str(), kEditStyle, id); break;
    }
    card.rows.push_back(std::move(row));
}

void PlaceRows(Card& card) {
    RECT client{};
    GetClientRect(card.form, &client);
    const int margin = Scaled(kMargin96);
    const int labelWidth = (client.right - client.left) * 2 / 5;
    const int controlLeft = client.left + labelWidth;
    const int controlWidth = client.right - margin - controlLeft;
    for (const FormRow& row : card.rows) {
        const int y = row.top - card.scroll;
        SetWindowPos(row.label, nullptr, margin, y + Scaled(3), labelWidth - margin, LineHeight(card.font), SWP_NOZORDER | SWP_NOACTIVATE);
        if (row.second) {
            const int half = controlWidth / 2;
            SetWindowPos(row.control, nullptr, controlLeft, y, half - margin / 2, row.height, SWP_NOZORDER | SWP_NOACTIVATE);
            SetWindowPos(row.second, nullptr, controlLeft + half, y, controlWidth - half, row.height, SWP_NOZORDER | SWP_NOACTIVATE);
        } else {
            // A choice list's height includes its drop-down list.
            const bool combo = row.field->type == FieldType::Importance || row.field->type == FieldType::Picture;
            SetWindowPos(row.control, nullptr, controlLeft, y, controlWidth, combo ? row.height * 6 : row.height,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    InvalidateRect(card.form, nullptr, TRUE);
}

void UpdateFormScrollBar(Card& card) {
    RECT client{};
    GetClientRect(card.form, &client);
    const int page = client.bottom - client.top;
    card.scroll = std::clamp(card.scroll, 0, std::max(0, card.contentHeight - page));
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, card.contentHeight - 1,
                    static_cast<UINT>(page), card.scroll, 0};
    SetScrollInfo(card.form, SB_VERT, &info, TRUE);
}

const FormRow* RowOf(const Card& card, HWND control) {
    for (const FormRow& row : card.rows)
        if (row.control == control || row.second == control || row.label == control) return &row;
    for (const FormRow& row : card.rows)
        if (IsChild(row.control, control)) return &row;
    return nullptr;
}

FieldValue ValueOf(const FormRow& row) {
    FieldValue v;
    switch (row.field->type) {
    case FieldType::Date: v.date = PickerDay(row.control); break;
    case FieldType::DateTime: v.date = PickerDay(row.control) + PickerMinutes(row.second); break;
    case FieldType::Check: v.number = SendMessageW(row.control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0; break;
    case FieldType::Importance: v.number = static_cast<LONG>(std::max<LRESULT>(0, SendMessageW(row.control, CB_GETCURSEL, 0, 0))); break;
    case FieldType::Picture: {
        const LRESULT at = SendMessageW(row.control, CB_GETCURSEL, 0, 0);
        const LRESULT firstFile = row.hadPicture ? 2 : 1;
        v.pictureSet = at > 0;
        if (at >= firstFile && static_cast<std::size_t>(at - firstFile) < row.pictureFiles.size())
            v.text = row.pictureFiles[static_cast<std::size_t>(at - firstFile)];
        break;
    }
    default: v.text = WindowText(row.control); break;
    }
    return v;
}

const FormRow* FindRow(const Card& card, CEPROPID prop) {
    for (const FormRow& row : card.rows)
        if (row.field->prop == prop) return &row;
    return nullptr;
}

// Says what is wrong and puts the focus on the field; always false.
bool Refuse(Card& card, const FormRow* row, const std::u16string& text) {
    MessageBoxW(card.hwnd, text.c_str(), CardTitle(card.kind), MB_OK | MB_ICONEXCLAMATION);
    if (row && IsWindow(row->control)) {
        SetFocus(row->control);
        ShowFocusedRow(card, row->control);
    }
    return false;
}

bool PictureReadable(const std::u16string& file) {
    const HANDLE h = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    std::vector<BYTE> bytes(GetFileSize(h, nullptr));
    DWORD read = 0;
    const BOOL ok = bytes.empty() ? FALSE : ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(h);
    return ok && read == bytes.size() && imaging::ReadPicture(bytes.data(), bytes.size()).has_value();
}

// The first value the item cannot take, said to the user; true when all are good.
bool CheckValues(Card& card) {
    for (const FormRow& row : card.rows) {
        const FieldValue v = ValueOf(row);
        switch (row.field->type) {
        case FieldType::Email:
            if (!v.text.empty() && !LooksLikeEmail(v.text))
                return Refuse(card, &row, u"\"" + v.text + u"\" is not an e-mail address. Type it as name@example.com.");
            break;
        case FieldType::Date: {
            bool invalid = false;
            PickerDay(row.control, &invalid);
            if (invalid) return Refuse(card, &row, std::u16string(row.field->label) + u" is not a real date.");
            break;
        }
        case FieldType::Picture:
            if (!v.text.empty() && !PictureReadable(v.text))
                return Refuse(card, &row, u"The picture \"" + v.text + u"\" cannot be read.");
            break;
        default: break;
        }
    }
    if (card.kind == pim::ItemKind::Appointment) {
        const FormRow* start = FindRow(card, PIMPR_START);
        const FormRow* end = FindRow(card, PIMPR_END);
        const FormRow* allDay = FindRow(card, PIMPR_ALL_DAY_EVENT);
        const bool wholeDays = allDay && ValueOf(*allDay).number != 0;
        const DATE s = wholeDays ? PickerDay(start->control) : ValueOf(*start).date;
        const DATE e = wholeDays ? PickerDay(end->control) : ValueOf(*end).date;
        if (pim::OleMinutes(e) < pim::OleMinutes(s)) return Refuse(card, end, u"The appointment cannot end before it starts.");
    }
    if (card.kind == pim::ItemKind::Task) {
        const DATE s = ValueOf(*FindRow(card, PIMPR_START_DATE)).date;
        const DATE d = ValueOf(*FindRow(card, PIMPR_DUE_DATE)).date;
        if (!pim::IsNoDate(s) && (pim::IsNoDate(d) || pim::OleDay(s) > pim::OleDay(d)))
            return Refuse(card, FindRow(card, PIMPR_DUE_DATE), u"A task that starts on a day needs a due date on or after it.");
    }
    return true;
}

bool NothingEntered(const Card& card) {
    for (const FormRow& row : card.rows) {
        const FieldValue v = ValueOf(row);
        if (!v.text.empty() || !pim::IsNoDate(v.date) || v.pictureSet) return false;
    }
    return true;
}

// Writes the form into the item; an all-day appointment runs from the start of its first day to the
// end of its last.
bool WriteValues(Card& card) {
    const FormRow* allDay = FindRow(card, PIMPR_ALL_DAY_EVENT);
    const bool wholeDays = card.kind == pim::ItemKind::Appointment && allDay && ValueOf(*allDay).number != 0;
    const FormRow* fileAs = FindRow(card, PIMPR_FILEAS);
    const bool fileAsKept = fileAs && ValueOf(*fileAs).text == ReadField(card.item, *fileAs->field).text;
    bool namesChanged = false;
    for (const FormRow& row : card.rows) {
        FieldValue v = ValueOf(row);
        const CEPROPID prop = row.field->prop;
        if (prop == PIMPR_FIRST_NAME || prop == PIMPR_MIDDLE_NAME || prop == PIMPR_LAST_NAME || prop == PIMPR_COMPANY_NAME)
            namesChanged = namesChanged || v.text != ReadField(card.item, *row.field).text;
        if (wholeDays && prop == PIMPR_START) v.date = PickerDay(row.control);
        if (wholeDays && prop == PIMPR_END) v.date = PickerDay(row.control) + 1;
        if (prop == PIMPR_FILEAS) continue;
        if (prop == PIMPR_END) {
            // The end is kept as a duration from the start written just before.
            DATE start = 0;
            card.item.GetDate(PIMPR_START, &start);
            if (FAILED(card.item.PutLong(PIMPR_DURATION, static_cast<LONG>(pim::OleMinutes(v.date) - pim::OleMinutes(start)))))
                return false;
            continue;
        }
        if (!WriteField(card.item, *row.field, v)) return false;
    }
    // A file-as name the user left alone follows the names; one typed is kept.
    if (fileAs) {
        const std::u16string typed = ValueOf(*fileAs).text;
        card.item.PutText(PIMPR_FILEAS, fileAsKept && namesChanged ? u"" : typed.c_str());
    }
    return true;
}

const char* SaveMember(pim::ItemKind kind) {
    switch (kind) {
    case pim::ItemKind::Contact: return "IContact::Save";
    case pim::ItemKind::Task: return "ITask::Save";
    case pim::ItemKind::Appointment: return "IAppointment::Save";
    }
    return "";
}

LRESULT OnFormScroll(Card& card, WPARAM wParam) {
    RECT client{};
    GetClientRect(card.form, &client);
    const int page = client.bottom - client.top;
    const int line = LineHeight(card.font);
    switch (LOWORD(wParam)) {
    case SB_LINEUP: ScrollForm(card, -line); break;
    case SB_LINEDOWN: ScrollForm(card, line); break;
    case SB_PAGEUP: ScrollForm(card, -page); break;
    case SB_PAGEDOWN: ScrollForm(card, page); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: ScrollForm(card, static_cast<SHORT>(HIWORD(wParam)) - card.scroll); break;
    }
    return 0;
}

LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Card* card = CardOf(GetParent(hwnd));
    if (!card) return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_COMMAND:
        // Enter and Back reach the form as its OK and Cancel; the card decides.
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) PostMessageW(card->hwnd, WM_COMMAND, LOWORD(wParam), 0);
        if (HIWORD(wParam) == EN_SETFOCUS) ShowFocusedRow(*card, reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header && header->code == NM_SETFOCUS) ShowFocusedRow(*card, header->hwndFrom);
        return 0;
    }
    case WM_VSCROLL: return OnFormScroll(*card, wParam);
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

void RegisterFormClass() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = FormProc;
    wc.lpszClassName = kCardFormClass;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    RegisterClassW(&wc);
}

bool BuildForm(Card& card) {
    RECT client{};
    GetClientRect(card.hwnd, &client);
    card.form = CreateWindowExW(0, kCardFormClass, u"", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 0, 0,
                                client.right, client.bottom, card.hwnd, nullptr, nullptr, nullptr);
    if (!card.form) return false;
    constexpr int kFirstId = 100;
    int id = kFirstId;
    for (const CardField& field : FieldsOf(card.kind)) {
        AddRow(card, field, id);
        id += 2;
    }
    const int gap = Scaled(kRowGap96);
    int y = Scaled(kMargin96);
    for (FormRow& row : card.rows) {
        row.top = y;
        y += row.height + gap;
    }
    card.contentHeight = y;
    card.scroll = 0;
    UpdateFormScrollBar(card);
    PlaceRows(card);
    if (!card.rows.empty()) SetFocus(card.rows.front().control);
    return true;
}

void ScrollForm(Card& card, int delta) {
    const int before = card.scroll;
    card.scroll += delta;
    UpdateFormScrollBar(card);
    if (card.scroll != before) PlaceRows(card);
}

void ShowFocusedRow(Card& card, HWND focus) {
    if (!card.form || !focus) return;
    const FormRow* row = RowOf(card, focus);
    if (!row) return;
    RECT client{};
    GetClientRect(card.form, &client);
    const int page = client.bottom - client.top;
    const int margin = Scaled(kMargin96);
    if (row->top - margin < card.scroll) ScrollForm(card, row->top - margin - card.scroll);
    else if (row->top + row->height + margin > card.scroll + page) ScrollForm(card, row->top + row->height + margin - page - card.scroll);
}

bool FormNavigationKey(Card& card, const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_RETURN) return false;
    const FormRow* row = RowOf(card, msg.hwnd);
    if (!row || row->field->type == FieldType::Lines) return false;
    // Enter is the Action key: on to the next field rather than ending the form.
    if (const HWND next = GetNextDlgTabItem(card.form, msg.hwnd, FALSE)) {
        SetFocus(next);
        ShowFocusedRow(card, next);
    }
    return true;
}

bool SaveForm(Card& card) {
    if (!CheckValues(card)) return false;
    pim::ItemState& state = card.item.State();
    // A new contact with nothing in it is not stored.
    if (card.kind == pim::ItemKind::Contact && state.Data().oid == 0 && NothingEntered(card)) return true;
    pim::ItemData before = state.Data();
    const auto occurrenceBefore = state.occurrence;
    HRESULT saved = E_FAIL;
    if (WriteValues(card)) saved = card.item.SaveItem(SaveMember(card.kind));
    if (SUCCEEDED(saved)) return true;
    state.SetData(std::move(before));
    state.occurrence = occurrenceBefore;
    return Refuse(card, nullptr, u"The item could not be saved. Nothing was changed.");
}

}  // namespace platform::cards
