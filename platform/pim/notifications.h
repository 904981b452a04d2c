// Change notifications to logged-on windows (local and remote) and to database requests.
#pragma once

namespace platform::pim {

// Makes every committed change of this process notify (once per process; called when a store opens).
void StartNotifications();
// Tells other processes this process's logged-on window and folder settings.
void PublishSubscription();

}  // namespace platform::pim
