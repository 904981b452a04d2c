// The category filter of the task, contact and calendar views, as the other subsystems ask it.
#pragma once

// Whether the category filter of the view on screen is on.
bool GetViewCatFilter();
