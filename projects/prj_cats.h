// Project categories: category names that begin with "prj:" carry an item's projects.
#pragma once

#include <string_view>

// The name begins with "prj:", in any case.
bool IsPrjCat(std::u16string_view name);

#include <string>

#include "core/record_array.h"

// The strings of all project paths, built by the project tree.
RecordArray<std::u16string>& ProjectPathList();
