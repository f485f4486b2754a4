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

  // The controls, found by name.
  fw::TextArea& NVarsFld() const;
  fw::TextArea& EigenFld() const;
  fw::PushButton& ClearBtn() const;
  fw::PushButton& CalculateBtn() const;
  fw::Label& StaticText3() const;
  fw::Canvas& Canvas3() const;
  fw::Label& StaticText4() const;
  fw::Label& StaticText9() const;
  fw::Rectangle& Rectangle1() const;
  fw::Label& StaticText1() const;
  fw::PushButton& PrintBtn() const;
  fw::PushButton& GraphBtn() const;
  fw::Canvas& Canvas1() const;

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
};
