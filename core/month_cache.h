// The appointment month cache: appointments kept per month, read by every calendar view.
#pragma once

// Loads the month after the shown one when the split month shows it ("NEXTMONTHPREV").
void ReLoadNextMonthAppts();
