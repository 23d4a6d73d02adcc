// How the menus join the window manager. Not for the program: the system
// tier's start-up (InitWindowSystem) calls this once the window manager is
// running, and the menu tests call it on a bare window manager.
#pragma once

// Registers the drop-down class "#32768" and installs the menu bar painter
// and the menu loop as the window manager's MenuHooks. Returns false when
// the class could not be registered (no session, or already registered).
bool InstallMenuSystem();
// Destroys every menu still alive; for the system tier's shut-down, after
// the windows that showed them are gone.
void DestroyAllMenus();
