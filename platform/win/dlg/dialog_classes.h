// The window classes the dialog manager brings: the dialog class
// (WC_DIALOG, "#32770"), "EDIT", "LISTBOX" and "msctls_updown32". The
// system's start-up calls RegisterDialogClasses once, after the window
// manager is up; calling it again registers nothing twice.
#pragma once

void RegisterDialogClasses();
