// The device's help viewer, started as the program "peghelp.exe" with "file:NAME.htm#anchor": it
// shows the help page (a name without a folder is looked for in "\Windows") in its own window over
// the program, scrolled to the anchor. Links to anchors of the page jump there; others do nothing.
#pragma once

#include <string_view>

#include "platform/types.h"

namespace platform {

inline constexpr std::u16string_view kHelpProgram = u"\\Windows\\peghelp.exe";
inline constexpr const WCHAR* kHelpViewerClass = u"QvHelpViewer";

// Opens the viewer on the calling thread (or shows the page in the one already open).
void StartHelpViewer(std::u16string_view commandLine);

}  // namespace platform
