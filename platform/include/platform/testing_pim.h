// The test API of the PIM store: failures on demand and the count of live object-model objects.
#pragma once

#include <string_view>
#include <vector>

#include "platform/types.h"

namespace platform::testing {

// The member named (as "IAppointment::Save", "IPOutlookApp::GetItemFromOid", "CeOpenDatabaseInSession",
// "Store::Save"...) succeeds `after` more times, then returns `result` the next `times` calls.
void FailPimCall(const char* member, HRESULT result = E_FAIL, int times = 1, int after = 0);
// The member named succeeds `after` more times, then raises an access fault (an exception, as a
// damaged store does on the device) at its next call.
void FaultPimCall(const char* member, int after = 0);
void ClearPimFailures();

// Objects of the object model alive in this process (applications, folders, collections, items,
// patterns, recipients, streams).
long LivePimObjects();

// Display calls on items, by the item's OID (0 for an item never saved), in the order made.
std::vector<CEOID> PimItemsDisplayed();
void ClearPimItemsDisplayed();

// The device's own card that a Display call opened and that is still open, or nullptr. The card is a
// modal window: tests act on it from inside its loop (ActInsideModalLoop).
HWND ShownItemCard();
// The control of the card's edit form for the field with that label ("First name", "Birthday"), or
// nullptr when the card is not in its form.
HWND ItemCardControl(HWND card, std::u16string_view label);
bool ItemCardInEditMode(HWND card);
// Ends the device's applications behind the cards, so the soft-key bars they keep between cards go.
void CloseItemCardApps();

// Items sent through the infrared folder: the device has no infrared port here, so tests see what
// each send carried, by item type (olAppointmentItem, olContactItem, olTaskItem) and OID.
struct BeamedItem {
    int itemType = 0;
    CEOID oid = 0;
};
std::vector<BeamedItem> PimItemsBeamed();
void ClearPimItemsBeamed();

}  // namespace platform::testing
