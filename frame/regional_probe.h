// The one-time choice of the date text in the month query: the locale's short date, or the fixed
// month/day/year text when the store cannot read the locale's.
#pragma once

// Run once by the load thread after its first load, while "INITREGION" is set.
void ProbeRegionalDate();
