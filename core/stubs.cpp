// Stand-ins for the item conversions through POOM until they are built.
#include "core/item_convert.h"

void ConvertTskToAppt(int) {}
void ConvertCurItem() {}
void CreateTskForCts() {}
void CreateApptForCts() {}
void CancelMeetingRequest() {}
