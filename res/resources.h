// Astrolathe's own resources: menu 128, the string table, dialog templates
// 131 to 133, bitmaps 134 to 137, icon group 128 and the version block.
#pragma once

#include "platform/win/res/resource_types.h"

// All of them, for RegisterResourceModule at start-up (and for the tests).
// The tables are constant and live as long as the program.
const ResourceModule* AstrolatheResources();
