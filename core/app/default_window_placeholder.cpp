// A stand-in for the splash and About window, until that window is built:
// a plain window with the product's title. Closing it ends the program.
#include "core/app/default_window.h"

#include "framework/ui/window.h"

namespace {

class PlaceholderWnd : public fw::Window {
 protected:
  void Layout() override {
    SetProperties({.Width = 300, .Height = 200, .Title = "Quarnel", .HasMaximizeButton = false,
                   .Resizeable = false, .HasBackgroundColor = true});
  }
  void Event_Close() override { fw::Quit(); }
};

}  // namespace

void MakeDefaultWindow() { fw::ImplicitWindow<PlaceholderWnd>(); }

void ShowAboutWindow() { fw::ImplicitWindow<PlaceholderWnd>().Show(); }
