// The plot window's layout, its plot and its four buttons.
#include "plot/window/graph_wnd.h"

#include "core/calc/module1.h"
#include "core/windows/control_wnd.h"
#include "framework/base/exception_hook.h"
#include "framework/base/services.h"
#include "framework/ui/printing.h"
#include "plot/window/scree_plot.h"

namespace {

// Where Print puts the plot on the page: nine tenths of its size.
constexpr double kPrintLeft = 20;
constexpr double kPrintTop = 100;
constexpr double kPrintWidth = 540;
constexpr double kPrintHeight = 378;

fw::PushButtonLayout ButtonAt(fw::Integer left, const char* caption) {
  return {.Left = left, .Top = 455, .Width = 70, .Height = 25, .Caption = caption,
          .FontName = "System", .FontSize = 12, .Bold = false, .Default = false,
          .Cancel = false};
}

void ShowMainWindow() { ControlWnd::Instance().Show(); }

}  // namespace

// No close box: only Close ends the window, and it asks first while the
// plot is unsaved.
void GraphWnd::Layout() {
  SetProperties({.Width = 640, .Height = 500, .MinimumWidth = 64, .MinimumHeight = 64,
                 .MaximumWidth = 32000, .MaximumHeight = 32000, .Type = fw::WindowType::Document,
                 .Title = "Quarnel Graph", .HasCloseButton = false, .HasMinimizeButton = true,
                 .HasMaximizeButton = false, .Resizeable = false, .Visible = true,
                 .HasBackgroundColor = false, .BackgroundColor = fw::RGB(255, 255, 255),
                 .MenuBarVisible = true, .DefaultLocation = 0});
}

// Controls in tab order; the canvas gets its picture when the window opens.
void GraphWnd::CreateControls() {
  auto& canvas = AddControl(canvas1_, "Canvas1");
  canvas.SetProperties({.Left = 20, .Top = 14, .Width = 600, .Height = 420});
  canvas.OnOpen([this](fw::Canvas& opened) { Canvas1_Open(opened); });

  auto& close = AddControl(closeBtn_, "CloseBtn");
  close.SetProperties(ButtonAt(20, "Close"));
  close.OnAction([this](fw::PushButton& button) { CloseBtn_Action(button); });

  auto& copy = AddControl(copyBtn_, "CopyBtn");
  copy.SetProperties(ButtonAt(210, "Copy"));
  copy.OnAction([this](fw::PushButton& button) { CopyBtn_Action(button); });

  auto& save = AddControl(saveBtn_, "SaveBtn");
  save.SetProperties(ButtonAt(374, "Save"));
  save.OnAction([this](fw::PushButton& button) { SaveBtn_Action(button); });

  auto& print = AddControl(printBtn_, "PrintBtn");
  print.SetProperties(ButtonAt(550, "Print"));
  print.OnAction([this](fw::PushButton& button) { PrintBtn_Action(button); });
}

// The flag is set last: a plot that fails to build leaves it as it was and
// the canvas without a picture.
void GraphWnd::Canvas1_Open(fw::Canvas& canvas) {
  canvas.SetBackdrop(DrawScreePlot(canvas.Width(), canvas.Height()));
  module1().dirty = "y";
}

void GraphWnd::CloseBtn_Action(fw::PushButton& /*button*/) {
  Module1& results = module1();
  if (results.dirty == "y") {
    const fw::MsgBoxAnswer answer = fw::services().MsgBox(
        "Are you sure you want to erase this graph", fw::MsgBoxButtons::YesNoQuestion, "");
    if (answer != fw::MsgBoxAnswer::Yes) {
      fw::services().Beep();
      results.dirty = "y";
      return;
    }
    results.dirty = "";
  }
  Close();
  ShowMainWindow();
}

// The window has no close box of its own; where the window manager offers
// one anyway it does what Close does, the erase question included.
void GraphWnd::Event_CloseRequest() { CloseBtn_Action(CloseBtn()); }

void GraphWnd::CopyBtn_Action(fw::PushButton& /*button*/) {
  fw::services().SetClipboardPicture(Plot());
  fw::services().MsgBox("Copied to clipboard");
}

// Saving counts as dealing with the plot, whether or not a file was written.
void GraphWnd::SaveBtn_Action(fw::PushButton& /*button*/) {
  fw::services().ExportPicture(Plot());
  module1().dirty = "";
}

// One page, from the stored picture scaled onto it.
void GraphWnd::PrintBtn_Action(fw::PushButton& /*button*/) {
  const std::shared_ptr<fw::PageSurface> page = fw::services().OpenPrinterDialog();
  if (!page) return;
  const fw::Picture& plot = Plot();
  // Only as much smaller as the paper needs: full size wherever it fits.
  page->Fit(kPrintLeft + kPrintWidth, kPrintTop + kPrintHeight);
  page->graphics().DrawPicture(plot, kPrintLeft, kPrintTop, kPrintWidth, kPrintHeight, 0, 0,
                               static_cast<double>(plot.Width()),
                               static_cast<double>(plot.Height()));
}

const fw::Picture& GraphWnd::Plot() const {
  const std::shared_ptr<fw::Picture>& plot = Canvas1().Backdrop();
  if (!plot) throw fw::NilObjectException("the plot window has no picture");
  return *plot;
}
