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

  // The controls, found by name.
  fw::Canvas& Canvas1() const;
  fw::PushButton& CloseBtn() const;
  fw::PushButton& CopyBtn() const;
  fw::PushButton& SaveBtn() const;
  fw::PushButton& PrintBtn() const;

  void Canvas1_Open(fw::Canvas& canvas);
  void CloseBtn_Action(fw::PushButton& button);
  void CopyBtn_Action(fw::PushButton& button);
  void SaveBtn_Action(fw::PushButton& button);
  void PrintBtn_Action(fw::PushButton& button);

 protected:
  void Layout() override;
  void CreateControls() override;

 private:
  // The plot shown on the canvas; throws fw::NilObjectException when there is
  // none (its building failed).
  const fw::Picture& Plot() const;
};
