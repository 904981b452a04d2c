// The ink control's state and its page geometry, shared by its procedure and its painter. The page
// is kept in page units (100 percent); the view shows it scaled by the zoom and scrolled down.
#pragma once

#include "controls/control_state.h"
#include "ink/ink_data.h"
#include "platform/ink.h"

namespace platform {

constexpr int kInkRuleSpacing = 20;  // page units between ruled lines; one line of typed text each
constexpr int kInkTextMargin = 4;  // page units left of typed text
constexpr int kInkPenWidth = 2;  // page units
constexpr int kInkVoiceBarHeight = 26;  // view pixels, whatever the zoom
constexpr WPARAM kInkDefaultInputMode = 2;

struct InkState {
    InkPage page;
    bool drawing = true;
    WPARAM inputMode = kInkDefaultInputMode;
    int zoom = IM_ZOOM_DEFAULT;
    int scroll = 0;  // view pixels of the page above the view
    bool voiceBar = false;
    bool inStroke = false;
};

// Where the page shows: the client area above the voice bar.
RECT InkViewRect(HWND hwnd, const InkState& state);
// Page units to view pixels and back.
int InkToView(const InkState& state, int page);
int InkToPage(const InkState& state, int view);
// How far down the page has something, in page units, with a line to spare.
int InkContentHeight(const InkState& state);
void PaintInk(HWND hwnd, const InkState& state);
// A stroke segment drawn at once while the pen moves, without waiting for a paint.
void DrawInkSegment(HWND hwnd, const InkState& state, InkPoint from, InkPoint to);

}  // namespace platform
