// The splash at start and the About window later: title, logo and a notice.
// It gives way to the main window when its one-shot 4000 ms timer fires, or
// at once on any key or click; the About items show the same window again.
// It is only ever hidden, never closed.
#pragma once

#include <string>

#include "framework/ui/controls.h"
#include "framework/ui/window.h"

class AboutWnd : public fw::Window {
 public:
  // The one About window, built (and shown) on first use.
  static AboutWnd& Instance() { return fw::ImplicitWindow<AboutWnd>(); }

  fw::Label& StaticText5() const { return *staticText5_; }
  fw::Canvas& Canvas1() const { return *canvas1_; }
  fw::Label& StaticText1() const { return *staticText1_; }
  fw::Timer& Timer1() const { return *timer1_; }

  void Timer1_Action(fw::Timer& timer);
  bool Event_KeyDown(const std::string& key) override;
  bool Event_MouseDown(fw::Integer x, fw::Integer y) override;
  // A close box the window manager adds, or Alt+F4: as a click.
  void Event_CloseRequest() override;

 protected:
  void Layout() override;
  void CreateControls() override;

 private:
  // Hides this window and brings the main window (built on first use) forward.
  void GiveWay();

  fw::ControlHandle<fw::Label> staticText5_;
  fw::ControlHandle<fw::Canvas> canvas1_;
  fw::ControlHandle<fw::Label> staticText1_;
  fw::ControlHandle<fw::Timer> timer1_;
};
