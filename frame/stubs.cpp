
// ---- Stand-in for the task date move of the calendar's drag until the frame builds it.
