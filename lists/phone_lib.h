// The phone library, loaded at start when the device has one.
#pragma once


// False when the device has no phone library.
bool LoadPhoneLibrary();
void FreePhoneLibrary();
