// Project membership as text: the "Prj:" categories of PIM items, and the names and contents of the
// link files of the "ProjectLinks\" folder beside the program, which put files and web addresses into
// projects. A project path has up to three levels: project, sub-project, sub-sub-project.
#pragma once

#include <string>
#include <string_view>

#include "core/appt_record.h"
#include "core/record_array.h"
#include "platform/types.h"

// What ParsePrjCat reads: an item's category, or the project part of a link file name.
enum class PrjParseMode : int { kCategory = 0, kLinkName = 1 };

struct PrjPath {
    std::u16string project;
    std::u16string sub;
    std::u16string subSub;
};

// The program folder + "ProjectLinks\"; always ends with a backslash.
std::u16string GetPrjLinksDir();
// The first four characters are "prj:" in any case; no trimming, so " Prj:A" is no project category.
bool IsPrjCat(std::u16string_view name);
// True when one of the categories is a project category.
bool HasPrjCat(const StrArray& categories);
// 1 and the levels found when the text starts with the mode's prefix; 0 and nothing touched otherwise.
// Levels the text does not hold keep what the caller passed; isWeb is only ever set, never cleared.
int ParsePrjCat(std::u16string_view text, std::u16string& project, std::u16string& sub, std::u16string& subSub,
                LONG& isWeb, PrjParseMode mode);
// 1 when the path lies in the links folder; then the title and the project path of the file's name.
int ParsePrjLinkName(std::u16string_view path, std::u16string& project, std::u16string& sub,
                     std::u16string& subSub, std::u16string& title, LONG& isWeb);
// One entry of the comma-separated list, trimmed, equals the name ignoring case.
bool CatListHasName(std::u16string list, std::u16string_view name);
// "Prj:" + path; a sub-sub-project without a sub-project is dropped.
std::u16string BuildPrjCat(std::u16string_view project, std::u16string_view sub, std::u16string_view subSub);
// The full path of the link file of a titled file or web link in a project.
std::u16string BuildPrjLinkName(std::u16string_view title, std::u16string_view project, std::u16string_view sub,
                                std::u16string_view subSub, bool isWeb);
// The shortcut texts a link file holds, in the device's code page, at most kMaxShortcutBytes bytes.
inline constexpr std::size_t kMaxShortcutBytes = 1000;
std::string MakeFileShortcut(std::u16string_view path);
std::string MakeUrlShortcut(std::u16string_view address);

// True when the link table holds a link owned by the item.
bool ItemHasLinks(LONG oid);

// The strings of all project paths, built by the project tree.
RecordArray<std::u16string>& ProjectPathList();
