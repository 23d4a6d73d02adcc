// Finding a program's resources: the Win32 calls (FindResourceA,
// LoadResource, LockResource, SizeofResource, LoadStringA) over the tables
// of resource_types.h, and typed shortcuts for the rest of the layer.
//
//   Modules ........... RegisterResourceModule, GetModuleHandleA
//   Win32 lookups ..... FindResourceA, LoadResource, LockResource, SizeofResource
//   Strings ........... LoadStringA, FindStringResource
//   Typed lookups ..... FindMenuTemplate, FindDialogTemplate, FindBitmapResource,
//                       FindIconGroup, FindVersionInfo
#pragma once

#include "platform/win/res/resource_types.h"
#include "platform/win/windef.h"

using HGLOBAL = void*;  // as the real API has it; here it names a found resource

// ---- Modules -----------------------------------------------------------------------
// The program registers its tables once at start-up and gets the handle that
// stands for them; the module must outlive every lookup (static tables do).
// Registering the same module again gives the same handle; null gives null.
// Every lookup below takes such a handle, and null stands for the first
// module registered, as a null module handle stands for the executable.
// Handles that were never registered find nothing.
HINSTANCE RegisterResourceModule(const ResourceModule* module);
// Null gives the first registered module (null while there is none); a name
// gives the registered module of that name, compared without regard to case.
HINSTANCE GetModuleHandleA(LPCSTR moduleName);

// ---- Win32 lookups ----------------------------------------------------------------
// `name` and `type` are MAKEINTRESOURCEA integers or "#128"-style strings;
// the tables have no named resources, so any other string finds nothing.
// The types are RT_MENU, RT_DIALOG, RT_BITMAP, RT_GROUP_ICON, RT_VERSION and
// RT_STRING, whose names are blocks of sixteen ids (block id / 16 + 1) as
// with compiled tables.
//
// LockResource gives the table itself: a const MenuTemplate*,
// DialogTemplate*, PixelArt*, IconGroup*, VersionInfo* or StringBlock* by
// type; it is const because the tables are. SizeofResource gives the size
// of that struct. A null or unknown handle gives null (0 for the size); a
// resource handle from another module than `module` is unknown to it.
struct StringBlock {
  const char* strings[16];  // id % 16; null where the table has no such id
};

HRSRC FindResourceA(HINSTANCE module, LPCSTR name, LPCSTR type);
HGLOBAL LoadResource(HINSTANCE module, HRSRC resource);
const void* LockResource(HGLOBAL loaded);
DWORD SizeofResource(HINSTANCE module, HRSRC resource);

// ---- Strings -------------------------------------------------------------------------
// LoadStringA as the real API: copies at most size - 1 characters of string
// `id`, always NUL-terminates, and returns the number copied; 0 when the
// string is missing or empty (the buffer then holds ""), and 0 without
// touching anything when the buffer is null or size is 0 or less.
int LoadStringA(HINSTANCE module, UINT id, LPSTR buffer, int size);
// The text of string `id` in the table itself, for callers that want no
// copy (the status bar sizes its panes by it); null when missing.
const char* FindStringResource(HINSTANCE module, UINT id);

// ---- Typed lookups --------------------------------------------------------------------
// What the menus, the dialog manager and the GDI call to reach a template,
// a bitmap, an icon or the version block; `name` as for FindResourceA. Null
// when there is no such resource.
const MenuTemplate* FindMenuTemplate(HINSTANCE module, LPCSTR name);
const DialogTemplate* FindDialogTemplate(HINSTANCE module, LPCSTR name);
const PixelArt* FindBitmapResource(HINSTANCE module, LPCSTR name);
const IconGroup* FindIconGroup(HINSTANCE module, LPCSTR name);
const VersionInfo* FindVersionInfo(HINSTANCE module);
