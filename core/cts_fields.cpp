// Reading the communication fields of a contact and storing and cycling its default field.
#include "core/cts_fields.h"

#include "core/appt_readers.h"
#include "core/cts_loading.h"
#include "core/pim_state.h"
#include "core/poom_session.h"
#include "core/show_message.h"
#include "platform/text.h"
#include "platform/user.h"

namespace {

enum class Step { Next, Prev };

LONG StepField(LONG field, Step step) {
    if (step == Step::Next) return field >= kCtsFieldLast ? 0 : field + 1;
    return field <= 0 ? kCtsFieldLast : field - 1;
}

LONG CycleCtsDefField(LONG oid, Step step) {
    const LONG pos = IdIndexGet(oid, g_CtsIdIndex);
    if (pos < 0 || pos >= g_CtsList.Size()) return 0;
    PoomPtr<IContact> contact = GetPoomItem<IContact>(GetPoomApp(), oid, IID_IContact);
    if (!contact) return 0;
    CtsRecord record = g_CtsList[pos];
    const LONG start = record.defaultField;
    const LONG stop = start != kCtsFieldNone ? start : (step == Step::Next ? kCtsFieldLast : 0);
    LONG field = start;
    std::u16string text;
    bool found = false;
    do {
        // From "none" the first field tried is 0 going forward and 12 going back.
        field = field == kCtsFieldNone ? (step == Step::Next ? 0 : kCtsFieldLast) : StepField(field, step);
        found = GetCtsField(contact.Get(), text, field);
    } while (!found && field != stop);
    if (!found) return 0;
    record.defaultField = field;
    record.defaultText = text;
    g_CtsList[pos] = record;
    if (GetOsMajorVersion() >= kOsMajor5) {
        bool written = false;
        const HRESULT hr = SetCtsDefFieldProp(contact.Get(), field, &written);
        // Only a save that reached the store brings a notification for the mark to absorb.
        if (written && SUCCEEDED(hr)) g_ChangeMarks.ownChange = 1;
        if (hr != S_OK) {
            const std::u16string message = platform::FormatW(u"Error in Setdefcts#: 0x%x", static_cast<unsigned>(hr));
            ShowMessage(nullptr, message.c_str(), MB_ICONEXCLAMATION);
        }
    }
    return 1;
}

}  // namespace

bool GetCtsField(IContact* contact, std::u16string& text, LONG field) {
    if (!contact || field < 0 || field >= kCtsFieldCount || !kCtsFields[field].read) return false;
    BSTR value = nullptr;
    if (FAILED((contact->*kCtsFields[field].read)(&value))) {
        text.clear();
        return false;
    }
    text = TakeBstr(value);
    return !text.empty();
}

bool FindFirstCtsField(IContact* contact, std::u16string& text, LONG& field) {
    for (LONG n = 0; n < kCtsFirstFieldEnd; ++n) {
        if (!GetCtsField(contact, text, n)) continue;
        field = n;
        return true;
    }
    return false;
}

LONG GetCtsDefFieldByOid(LONG oid) {
    if (oid == kNoId) return kCtsFieldNone;
    PoomPtr<IContact> contact = GetPoomItem<IContact>(GetPoomApp(), oid, IID_IContact);
    if (!contact) return kCtsFieldNone;
    std::u16string text;
    LONG field = kCtsFieldNone;
    GetItemPropsText(contact.Get(), text, field);
    return field;
}

LONG NextCtsDefField(LONG oid) { return CycleCtsDefField(oid, Step::Next); }

LONG PrevCtsDefField(LONG oid) { return CycleCtsDefField(oid, Step::Prev); }

HRESULT SetCtsDefFieldProp(IContact* contact, LONG field, bool* written) {
    if (written) *written = false;
    PoomPtr<IItem> item = QueryPoom<IItem>(contact, IID_IItem);
    if (!item) return E_FAIL;
    LONG stored = kCtsFieldNone;
    CEPROPID storedId = 0;
    GetCtsSmartPropField(item.Get(), stored, storedId);
    // The web page and e-mail 3 (no identifier of their own) are never written, which also covers
    // the web page over a stored business telephone.
    if (stored == field) return S_OK;
    if (field < 0 || field >= kCtsFieldCount || kCtsFields[field].storedId == 0) return S_OK;
    CEPROPVAL value{};
    value.propid = PIMPR_SMARTPROP;
    value.val.ulVal = kCtsFields[field].storedId;
    HRESULT hr = item->SetProps(0, 1, &value);
    if (FAILED(hr)) return hr;
    hr = item->Save();
    if (SUCCEEDED(hr) && written) *written = true;
    return hr;
}

std::u16string& GetCtsEmailByOid(std::u16string& text, LONG oid) {
    text.clear();
    PoomPtr<IContact> contact = GetPoomItem<IContact>(GetPoomApp(), oid, IID_IContact);
    if (!contact) return text;
    constexpr HRESULT (IContact::*kEmails[])(BSTR*) = {&IContact::get_Email1Address, &IContact::get_Email2Address,
                                                        &IContact::get_Email3Address};
    for (auto read : kEmails) {
        BSTR value = nullptr;
        if (FAILED((contact.Get()->*read)(&value))) continue;
        text = TakeBstr(value);
        if (!text.empty()) return text;
    }
    return text;
}
