// The file types the program opens from the shell, registered under HKEY_CLASSES_ROOT: wallet
// files, text and ink notes, and theme files, each with its icon and its open command.
#pragma once

#include <string>

#include "platform/types.h"

inline constexpr const WCHAR* kRegistryErrorText = u"Registry Error - Unable to Register";

// One file type: its extension, class, description, icon resource and open switch.
struct FileTypeDef {
    const WCHAR* extension;
    const WCHAR* className;
    const WCHAR* description;
    const WCHAR* iconSuffix;  // after the program path: ",-106"
    const WCHAR* openSwitch;  // after the quoted program path: "/WLT:"
    bool quotedArgument;      // the note types quote "%1"
};

inline constexpr FileTypeDef kWalletFileType{u".zqw", u"zqwallet", u"ZQWalletFile", u",-106", u"/WLT:", false};
inline constexpr FileTypeDef kTextFileType{u".txt", u"textfile", u"Text File", u",-107", u"/TXT:", true};
inline constexpr FileTypeDef kInkFileType{u".pwi", u"pwifile", u"Ink File", u",-107", u"/TXT:", true};
inline constexpr FileTypeDef kThemeFileType{u".zqth", u"zqtheme", u"ZQThemeFile", u",-108", u"/ZQTH:", false};

// The open command of a type for the program at that path.
std::u16string FileTypeOpenCommand(const FileTypeDef& type, const std::u16string& programPath);
// Writes the type's keys; a value that cannot be written shows the registry error and ends the
// registration, a key that cannot be made skips its entry (the class key ends it). True when
// every value was written.
bool RegisterFileType(const FileTypeDef& type);

void RegisterWltFileType();
// Only with "TEXTEXT" on; the ink type only with "PWIEXT" on, and only from the options.
void RegisterTxtAssoc();
void RegisterPwiAssoc();
void RegisterThemeFileType();
