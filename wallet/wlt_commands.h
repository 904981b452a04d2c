// What the main window's commands and menus reach of the wallet: its views, dialogs, lock and items.
#pragma once

#include "wallet/wlt_dialogs.h"
#include "wallet/wlt_item.h"
#include "wallet/wlt_lock.h"
#include "wallet/wlt_view.h"
