// The test API of the PIM store: failures on demand and the count of live object-model objects.
#pragma once

#include <vector>

#include "platform/types.h"

namespace platform::testing {

// The member named (as "IAppointment::Save", "IPOutlookApp::GetItemFromOid", "CeOpenDatabaseInSession",
// "Store::Save"...) succeeds `after` more times, then returns `result` the next `times` calls.
void FailPimCall(const char* member, HRESULT result = E_FAIL, int times = 1, int after = 0);
void ClearPimFailures();

// Objects of the object model alive in this process (applications, folders, collections, items,
// patterns, recipients, streams).
long LivePimObjects();

// Display calls on items: the device's own card or editor has no window here, so tests see the
// request instead, by the item's OID (0 for an item never saved).
std::vector<CEOID> PimItemsDisplayed();
void ClearPimItemsDisplayed();

// Items sent through the infrared folder: the device has no infrared port here, so tests see what
// each send carried, by item type (olAppointmentItem, olContactItem, olTaskItem) and OID.
struct BeamedItem {
    int itemType = 0;
    CEOID oid = 0;
};
std::vector<BeamedItem> PimItemsBeamed();
void ClearPimItemsBeamed();

}  // namespace platform::testing
