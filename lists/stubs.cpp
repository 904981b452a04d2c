// Stand-ins for the parts of the task and contact lists that are not built yet.
#include "lists/cat_filter.h"

bool GetViewCatFilter() { return false; }
