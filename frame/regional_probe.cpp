// The regional date probe: an empty shown month may mean the store could not read the query's
// dates, so the month is read once more with the fixed date text.
#include "frame/regional_probe.h"

#include "core/app_settings.h"
#include "core/month_cache.h"
#include "frame/settings_store.h"

void ProbeRegionalDate() {
    if (g_Settings.initRegion == 0) return;
    const auto shownIsEmpty = [] { return !g_ApptCache.curAppts || g_ApptCache.curAppts->IsEmpty(); };
    if (shownIsEmpty()) {
        g_Settings.regional = 1;
        LoadApptsForMonth(1, 0);
        if (shownIsEmpty()) g_Settings.regional = 0;
    }
    g_Settings.initRegion = 0;
    SaveSettings();
}
