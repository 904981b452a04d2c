// The item actions that leave the program: a call through the phone, a web page in the browser and
// a new mail.
#pragma once

#include <string>

#include "platform/types.h"

// 0 when the device has no phone library, else what the dialling gave.
int DialPhoneNumber(const std::u16string& number);
// The shell's result.
BOOL OpenUrlInBrowser(const std::u16string& address);
void ComposeMail(const std::u16string& address);
// Opens a file with the program its type is registered to; the shell's result.
BOOL OpenFileWithShell(const std::u16string& path);
