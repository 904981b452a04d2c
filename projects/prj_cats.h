// Project categories ("prj:" names) and item links as the painters ask for them.
#pragma once

#include <string_view>

#include "core/appt_record.h"
#include "platform/types.h"

// True when a category name begins with "prj:", in any letter case.
bool IsPrjCat(std::u16string_view name);
// True when one of the categories is a project category.
bool HasPrjCat(const StrArray& categories);
// True when the link list holds a link owned by the item.
bool ItemHasLinks(LONG oid);

#include <string>

#include "core/record_array.h"

// The strings of all project paths, built by the project tree.
RecordArray<std::u16string>& ProjectPathList();
