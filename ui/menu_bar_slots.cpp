#include "ui/menu_bar_slots.h"

MenuBarSlots g_MenuBars;
