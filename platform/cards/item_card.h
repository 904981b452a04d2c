// The device's own cards for appointments, tasks and contacts, as the item's Display call opens them.
#pragma once

#include <memory>

#include "pim/objects.h"

namespace platform::cards {

// Shows the item's card over `parent` (its owner; may be null) and returns when the user closed it.
// A Done in its form has saved the item through the store by then; Cancel and Close leave it as it was.
HRESULT ShowItemCard(std::shared_ptr<pim::ItemState> state, HWND parent);

}  // namespace platform::cards
