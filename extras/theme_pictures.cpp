// Forgetting the theme's decoded pictures and the launcher's image lists when the theme changes.
#include "extras/spinner.h"
#include "extras/theme.h"
#include "ui/theme_pictures.h"

void DeleteThemePictures() {
    FreeBackPictures();
    FreeSpinnerImageLists();
}
