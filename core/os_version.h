// The system's major version, which decides the photo default and the setting-change broadcast.
#pragma once

// True on version 5 and later.
bool IsOsMajor5OrLater();
