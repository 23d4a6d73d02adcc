// Checking resource tables for the mistakes a hand-written table invites:
// rows of the wrong length, characters missing from a legend, a menu level
// without its MF_END, two resources with one id. The lookups and decoders
// stay safe on such tables anyway; these say what is wrong, so that the
// tests of a program can demand that every one of its tables is sound.
//
// Each returns one line per problem found, naming where it is; an empty
// list means the table is sound.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "platform/win/res/resource_types.h"

// Size and depth, palette and legend (each character once, each index in
// the palette), one row per line of the picture, each exactly `width`
// characters from the legend (or the transparent character).
std::vector<std::string> ValidatePixelArt(const PixelArt& art);
// At least one image; each sound, with a transparent character; no two of
// one size.
std::vector<std::string> ValidateIconGroup(const IconGroup& group);
// Every level non-empty and ending in MF_END, with MF_END nowhere else;
// popups with items and no id, commands and separators with no items;
// separators without text; only template flags; at most kMaxMenuDepth deep.
std::vector<std::string> ValidateMenuTemplate(const MenuTemplate& menu);
// Caption and font (with DS_SETFONT), sizes not negative, and every item
// with a class, an id from -1 to 65535 and a text or an ordinal.
std::vector<std::string> ValidateDialogTemplate(const DialogTemplate& dialog);
// Ids from 1 to 65535, each once, each with a text.
std::vector<std::string> ValidateStringTable(std::span<const StringEntry> strings);
// A language and the eight standard strings, each with a value.
std::vector<std::string> ValidateVersionInfo(const VersionInfo& version);
// All of the above for every table of the module, plus its name, its
// language, and ids that are non-zero and unique within each type.
std::vector<std::string> ValidateResourceModule(const ResourceModule& module);
