#include "core/windows/about_wnd.h"

#include <string>

#include "core/app/pictures.h"
#include "core/version.h"
#include "core/windows/control_wnd.h"

namespace {

std::string NoticeLine() {
  return "Version " + std::string(version::kShortVersion) + " - standard error scree test";
}

}  // namespace

void AboutWnd::Layout() {
  SetProperties({.Width = 300, .Height = 200, .MinimumWidth = 64, .MinimumHeight = 64,
                 .MaximumWidth = 32000, .MaximumHeight = 32000, .Type = fw::WindowType::ModalDialog,
                 .Title = "", .HasCloseButton = false, .HasMinimizeButton = false,
                 .HasMaximizeButton = false, .Resizeable = false, .Visible = true,
                 .HasBackgroundColor = true, .BackgroundColor = fw::RGB(255, 255, 255),
                 .MenuBarVisible = true, .Left = 0, .Top = 0, .DefaultLocation = 0});
}

void AboutWnd::CreateControls() {
  AddControl(staticText5_, "StaticText5")
      .SetProperties({.Left = 1, .Top = 185, .Width = 298, .Height = 13, .Text = NoticeLine(),
                      .FontName = "System", .FontSize = 9, .Bold = false,
                      .TextAlignment = fw::Alignment::Center, .TextColor = fw::RGB(0, 0, 216)});

  // Disabled, so a click on the logo reaches the window's own MouseDown.
  auto& logo = AddControl(canvas1_, "Canvas1");
  logo.SetBackdrop(Quarnel());
  logo.SetProperties({.Left = 111, .Top = 63, .Width = 78, .Height = 78, .Transparent = true,
                      .Enabled = false});

  AddControl(staticText1_, "StaticText1")
      .SetProperties({.Left = 1, .Top = 6, .Width = 298, .Height = 49, .Text = "Quarnel",
                      .FontName = "System", .FontSize = 36, .Bold = true,
                      .TextAlignment = fw::Alignment::Center, .TextColor = fw::RGB(0, 0, 200)});

  // One shot, 4000 ms after the window is built; nothing restarts it, so an
  // About window shown later has no timer behind it.
  auto& timer = AddControl(timer1_, "Timer1");
  timer.SetProperties({.Period = 4000, .RunMode = fw::TimerMode::Single});
  timer.OnAction([this](fw::Timer& fired) { Timer1_Action(fired); });
}

void AboutWnd::Timer1_Action(fw::Timer& /*timer*/) { GiveWay(); }

bool AboutWnd::Event_KeyDown(const std::string& /*key*/) {
  GiveWay();
  return false;
}

bool AboutWnd::Event_MouseDown(fw::Integer /*x*/, fw::Integer /*y*/) {
  GiveWay();
  return false;
}

// Never closed: where the window manager offers to close it anyway, it gives
// way as a click does.
void AboutWnd::Event_CloseRequest() { GiveWay(); }

void AboutWnd::GiveWay() {
  Instance().Hide();
  ControlWnd::Instance().Show();
}
