// The contacts view: its list of the loaded contacts in name or company order.
#pragma once

#include "core/cts_record.h"

// Puts one contact into g_CtsList at its place in the current contact order.
void InsertCtsRecSorted(const CtsRecord& record);
