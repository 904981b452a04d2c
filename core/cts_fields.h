// The thirteen communication fields of a contact (telephone numbers, e-mail addresses, web page)
// numbered 0 to 12, the contact's default field stored in the PIM store, and its cycling by key.
#pragma once

#include <string>

#include "platform/poom.h"
#include "platform/types.h"

inline constexpr LONG kCtsFieldNone = -1;
inline constexpr LONG kCtsFieldCount = 13;
inline constexpr LONG kCtsFieldLast = kCtsFieldCount - 1;
// FindFirstCtsField looks at the fields before this one.
inline constexpr LONG kCtsFirstFieldEnd = 12;

struct CtsFieldDef {
    HRESULT (IContact::*read)(BSTR*);  // null: the field is always empty
    CEPROPID storedId;                 // what the default-field property holds for it; 0 none
};

// Indexed by field number. The web page (5) and e-mail 3 (12) have no identifier the default-field
// property can hold: storing one of them writes nothing rather than another field's identifier.
inline constexpr CtsFieldDef kCtsFields[kCtsFieldCount] = {
    {&IContact::get_HomeTelephoneNumber, PIMPR_HOME_TELEPHONE_NUMBER},
    {&IContact::get_BusinessTelephoneNumber, PIMPR_BUSINESS_TELEPHONE_NUMBER},
    {&IContact::get_MobileTelephoneNumber, PIMPR_MOBILE_TELEPHONE_NUMBER},
    {&IContact::get_PagerNumber, PIMPR_PAGER_NUMBER},
    {&IContact::get_Email1Address, PIMPR_EMAIL1_ADDRESS},
    {&IContact::get_WebPage, 0},
    {&IContact::get_Home2TelephoneNumber, PIMPR_HOME2_TELEPHONE_NUMBER},
    {&IContact::get_Business2TelephoneNumber, PIMPR_BUSINESS2_TELEPHONE_NUMBER},
    {&IContact::get_Email2Address, PIMPR_EMAIL2_ADDRESS},
    {nullptr, PIMPR_RADIO_TELEPHONE_NUMBER},
    {&IContact::get_CarTelephoneNumber, PIMPR_CAR_TELEPHONE_NUMBER},
    {&IContact::get_AssistantTelephoneNumber, PIMPR_ASSISTANT_TELEPHONE_NUMBER},
    {&IContact::get_Email3Address, 0},
};

// True when the field has text; the field without a property and numbers out of range leave text
// as it was.
bool GetCtsField(IContact* contact, std::u16string& text, LONG field);
// The first field of 0 to 11 with text.
bool FindFirstCtsField(IContact* contact, std::u16string& text, LONG& field);
// The stored default field of a contact, or -1.
LONG GetCtsDefFieldByOid(LONG oid);
// Move the default field of a loaded contact to the next or previous field with text; 1 when one
// was found (the current one is tried last), 0 otherwise.
LONG NextCtsDefField(LONG oid);
LONG PrevCtsDefField(LONG oid);
// Stores the field as the contact's default. The result of the write, 0 when nothing was written.
// written tells whether the store took a new value.
HRESULT SetCtsDefFieldProp(IContact* contact, LONG field, bool* written = nullptr);
// Email1Address, else Email2Address, else Email3Address; empty when the contact cannot be had.
std::u16string& GetCtsEmailByOid(std::u16string& text, LONG oid);
