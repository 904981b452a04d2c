// Handing a text to something outside the program: the browser, the mail program and the phone.
#pragma once

#include <string>

#include "platform/types.h"

BOOL OpenUrlInBrowser(const std::u16string& address);
void ComposeMail(const std::u16string& address);
// 0 when the device has no phone library, else what the dialling gave.
int DialPhoneNumber(const std::u16string& number);
