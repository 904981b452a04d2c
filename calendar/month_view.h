// The month view's cached grid picture.
#pragma once

// Clears the grid's drawn state and releases its buffer, so the next paint draws it afresh.
void DropMonthGridCache();
