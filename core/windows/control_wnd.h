// The main window: the number of variables and the eigenvalues go in, the
// report of the standard error scree test comes out in the same text area.
// Clear, Calculate, Print and Graph act on it; the help icon and the Window
// menu's Description item open the help window, the About item the About
// window. Activating it hides the About window; closing it quits.
#pragma once

#include <string>

#include "framework/ui/controls.h"
#include "framework/ui/window.h"

class ControlWnd : public fw::Window {
 public:
  // The one main window, built (and shown) on first use or after a close.
  static ControlWnd& Instance() { return fw::ImplicitWindow<ControlWnd>(); }

  // The controls, as the window keeps them.
  fw::TextArea& NVarsFld() const { return *nVarsFld_; }
  fw::TextArea& EigenFld() const { return *eigenFld_; }
  fw::PushButton& ClearBtn() const { return *clearBtn_; }
  fw::PushButton& CalculateBtn() const { return *calculateBtn_; }
  fw::Label& StaticText3() const { return *staticText3_; }
  fw::Canvas& Canvas3() const { return *canvas3_; }
  fw::Label& StaticText4() const { return *staticText4_; }
  fw::Label& StaticText9() const { return *staticText9_; }
  fw::Rectangle& Rectangle1() const { return *rectangle1_; }
  fw::Label& StaticText1() const { return *staticText1_; }
  fw::PushButton& PrintBtn() const { return *printBtn_; }
  fw::PushButton& GraphBtn() const { return *graphBtn_; }
  fw::Canvas& Canvas1() const { return *canvas1_; }

  // Key filters: true refuses the key (with a beep), false lets the field take it.
  bool NVarsFld_KeyDown(fw::TextArea& area, const std::string& key);
  bool EigenFld_KeyDown(fw::TextArea& area, const std::string& key);

  void ClearBtn_Action(fw::PushButton& button);
  void CalculateBtn_Action(fw::PushButton& button);
  void PrintBtn_Action(fw::PushButton& button);
  void GraphBtn_Action(fw::PushButton& button);
  bool Canvas1_MouseDown(fw::Canvas& canvas, fw::Integer x, fw::Integer y);

  void Event_Close() override;
  void Event_Activate() override;
  void Event_EnableMenuItems() override;

  bool _DescriptionMenuItem_Action();
  bool _AboutVorn_Action();

 protected:
  void Layout() override;
  void CreateControls() override;
  void AddMenuHandlers() override;

 private:
  void CreateEntryControls();
  void CreateHeading();
  void CreateSideControls();

  fw::ControlHandle<fw::TextArea> nVarsFld_;
  fw::ControlHandle<fw::TextArea> eigenFld_;
  fw::ControlHandle<fw::PushButton> clearBtn_;
  fw::ControlHandle<fw::PushButton> calculateBtn_;
  fw::ControlHandle<fw::Label> staticText3_;
  fw::ControlHandle<fw::Canvas> canvas3_;
  fw::ControlHandle<fw::Label> staticText4_;
  fw::ControlHandle<fw::Label> staticText9_;
  fw::ControlHandle<fw::Rectangle> rectangle1_;
  fw::ControlHandle<fw::Label> staticText1_;
  fw::ControlHandle<fw::PushButton> printBtn_;
  fw::ControlHandle<fw::PushButton> graphBtn_;
  fw::ControlHandle<fw::Canvas> canvas1_;
};
