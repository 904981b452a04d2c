// Stand-ins for the projects until they are built: the options keep their defaults.
#include "projects/prj_options.h"

LONG LoadPrjOptions() { return 0; }
