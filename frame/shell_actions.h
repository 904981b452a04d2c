// The item actions that leave the program: a call through the phone, a web page in the browser and
// a new mail.
#pragma once

#include <string>

void DialPhoneNumber(const std::u16string& number);
void OpenUrlInBrowser(const std::u16string& address);
void ComposeMail(const std::u16string& address);
