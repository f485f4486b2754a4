// Start-up's first window and the About items' window: the splash AboutWnd.
#include "core/app/default_window.h"

#include "core/windows/about_wnd.h"

void MakeDefaultWindow() { AboutWnd::Instance(); }

void ShowAboutWindow() { AboutWnd::Instance().Show(); }
