// The phone library, bound at run time: loaded when the main window is made, each entry point looked
// up by name at every call, so that the program runs the same on a device without a phone.
#pragma once

#include "platform/phone.h"
#include "platform/types.h"

// False when the device has no phone library.
bool LoadPhoneLib();
void FreePhoneLib();
bool PhoneLibraryLoaded();

// The call log through the library: a failure when the library or the entry point is missing.
HRESULT OpenCallLog(HANDLE* log);
HRESULT CloseCallLog(HANDLE log);
// A missing library or entry point reads as a failure, so that a reading loop ends.
HRESULT GetCallLogEntry(HANDLE log, CALLLOGENTRY* entry);
// Places a call to the number: 1 when the library placed it, else 0 (no library, or the phone's
// error).
LONG DialNumber(const WCHAR* number);
