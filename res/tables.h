// The pieces of Astrolathe's resources, one kind to a file, that
// resources.cpp gathers into the module. Not for use outside this folder:
// everyone else reaches them through AstrolatheResources() and the lookups.
#pragma once

#include "platform/win/res/resource_types.h"

extern const ResourceEntry<DialogTemplate> kAstrolatheDialogs[3];
extern const ResourceEntry<PixelArt> kAstrolatheBitmaps[4];
extern const ResourceEntry<IconGroup> kAstrolatheIconGroups[1];
