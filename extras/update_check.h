// The online update check as the options dialog asks for it.
#pragma once

// Fetches the version file and offers a newer package.
void CheckForUpdate();
