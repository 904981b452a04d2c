// Texts in and out of the object model's members.
#pragma once

#include <string>

#include "platform/com.h"

namespace platform::pim {

// A new BSTR with the text for an out parameter.
HRESULT ReturnText(const std::u16string& text, BSTR* out);
// The text of an in parameter; a null pointer is the empty text.
std::u16string TextOf(LPCWSTR text);

}  // namespace platform::pim
