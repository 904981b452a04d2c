// The test API of the PIM store: failures on demand and the count of live object-model objects.
#pragma once

#include "platform/types.h"

namespace platform::testing {

// The member named (as "IAppointment::Save", "IPOutlookApp::GetItemFromOid", "CeOpenDatabaseInSession",
// "Store::Save"...) succeeds `after` more times, then returns `result` the next `times` calls.
void FailPimCall(const char* member, HRESULT result = E_FAIL, int times = 1, int after = 0);
void ClearPimFailures();

// Objects of the object model alive in this process (applications, folders, collections, items,
// patterns, recipients, streams).
long LivePimObjects();

}  // namespace platform::testing
