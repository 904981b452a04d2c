// The side files beside the PIM store that the load thread reads before the PIM data: each belongs
// to its own feature, which writes it again when its data changes.
#pragma once

#include "core/custom_icon.h"
#include "core/link_table.h"
#include "editors/item_templates.h"
#include "editors/text_templates.h"
#include "extras/saved_views.h"
#include "lists/cts_recent.h"
