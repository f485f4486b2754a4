// The plot window: the scree plot of the last calculation (the eigenvalues
// against their ordinals, with the straight line fitted in the step whose
// number is the number of factors), drawn once when the window opens, and four
// buttons that close it, copy it to the clipboard, save it as a picture file
// and print it. Every action after the opening works on the one stored
// picture; nothing is drawn again.
//
// The window also moves the results flag: building the plot sets it to "y",
// Save and a confirmed erase set it to "", so that the main window's Graph
// button refuses until the next calculation.
#pragma once

#include <memory>

#include "framework/graphics/graphics.h"
#include "framework/ui/controls.h"
#include "framework/ui/window.h"

class GraphWnd : public fw::Window {
 public:
  // The live plot window, else a new one with a new plot from the results as
  // they stand; it is shown from its creation.
  static GraphWnd& Instance() { return fw::ImplicitWindow<GraphWnd>(); }

  // The controls, as the window keeps them.
  fw::Canvas& Canvas1() const { return *canvas1_; }
  fw::PushButton& CloseBtn() const { return *closeBtn_; }
  fw::PushButton& CopyBtn() const { return *copyBtn_; }
  fw::PushButton& SaveBtn() const { return *saveBtn_; }
  fw::PushButton& PrintBtn() const { return *printBtn_; }

  void Canvas1_Open(fw::Canvas& canvas);
  void CloseBtn_Action(fw::PushButton& button);
  void CopyBtn_Action(fw::PushButton& button);
  void SaveBtn_Action(fw::PushButton& button);
  void PrintBtn_Action(fw::PushButton& button);
  // A close box the window manager adds, or Alt+F4: as Close.
  void Event_CloseRequest() override;

 protected:
  void Layout() override;
  void CreateControls() override;

 private:
  // The plot shown on the canvas; throws fw::NilObjectException when there is
  // none (its building failed).
  const fw::Picture& Plot() const;

  fw::ControlHandle<fw::Canvas> canvas1_;
  fw::ControlHandle<fw::PushButton> closeBtn_;
  fw::ControlHandle<fw::PushButton> copyBtn_;
  fw::ControlHandle<fw::PushButton> saveBtn_;
  fw::ControlHandle<fw::PushButton> printBtn_;
};
