// The main window's layout and controls. The handlers are in
// control_wnd_actions.cpp.
#include "core/windows/control_wnd.h"

#include "core/app/pictures.h"

namespace {

constexpr fw::Color kWhite = fw::RGB(255, 255, 255);
constexpr fw::Color kBlack = fw::RGB(0, 0, 0);
constexpr fw::Color kTitleBlue = fw::RGB(0, 0, 200);

fw::PushButtonLayout ButtonAt(fw::Integer top, const char* caption) {
  return {.Left = 400, .Top = top, .Width = 80, .Height = 30, .Caption = caption,
          .FontName = "System", .FontSize = 12, .Default = true, .Cancel = false};
}

constexpr const char* kByLine = "The standard error scree test for the number of factors";

}  // namespace

void ControlWnd::Layout() {
  // The maximum height (500) is below the height (550): the framework raises
  // it to the height so that nothing at the bottom is cut off.
  SetProperties({.Width = 500, .Height = 550, .MinimumWidth = 64, .MinimumHeight = 64,
                 .MaximumWidth = 500, .MaximumHeight = 500, .Type = fw::WindowType::Document,
                 .Title = "Quarnel", .HasCloseButton = true, .HasMinimizeButton = true,
                 .HasMaximizeButton = false, .Resizeable = false, .Visible = true,
                 .HasBackgroundColor = true, .BackgroundColor = kWhite, .MenuBarVisible = true,
                 .Left = 0, .Top = 0, .DefaultLocation = 0});
}

// Controls are created in tab order; each is fully set up before the next.
void ControlWnd::CreateControls() {
  CreateEntryControls();
  CreateHeading();
  CreateSideControls();
}

// The two fields, the buttons under them and the fields' label (tab order 0 to 4).
void ControlWnd::CreateEntryControls() {
  auto& variables = AddControl(nVarsFld_, "NVarsFld");
  variables.SetProperties({.Left = 224, .Top = 150, .Width = 50, .Height = 20,
                           .FontName = "System", .FontSize = 11,
                           .TextAlignment = fw::Alignment::Center, .Multiline = true,
                           .HasVerticalScrollbar = false, .HasHorizontalScrollbar = false,
                           .MaximumCharactersAllowed = 2, .ValidationMask = "##"});
  variables.OnKeyDown(
      [this](fw::TextArea& area, const std::string& key) { return NVarsFld_KeyDown(area, key); });

  // "Courier" resolves to a fixed-pitch face, so the report's columns line up.
  auto& eigenvalues = AddControl(eigenFld_, "EigenFld");
  eigenvalues.SetProperties({.Left = 20, .Top = 210, .Width = 350, .Height = 300,
                             .FontName = "Courier", .FontSize = 10,
                             .TextAlignment = fw::Alignment::Left, .Multiline = true,
                             .HasVerticalScrollbar = true, .HasHorizontalScrollbar = false,
                             .AllowStyledText = true});
  eigenvalues.OnKeyDown(
      [this](fw::TextArea& area, const std::string& key) { return EigenFld_KeyDown(area, key); });

  auto& clear = AddControl(clearBtn_, "ClearBtn");
  clear.SetProperties(ButtonAt(430, "Clear"));
  clear.OnAction([this](fw::PushButton& button) { ClearBtn_Action(button); });

  auto& calculate = AddControl(calculateBtn_, "CalculateBtn");
  calculate.SetProperties(ButtonAt(480, "Calculate"));
  calculate.OnAction([this](fw::PushButton& button) { CalculateBtn_Action(button); });

  // The two labels overlap their fields (this one the top border of
  // EigenFld, StaticText1 the left edge of NVarsFld) and lie above them:
  // drawn transparent on the white window they look the same and hide nothing.
  AddControl(staticText3_, "StaticText3")
      .SetProperties({.Left = 20, .Top = 192, .Width = 120, .Height = 19, .Text = "Eigenvalues",
                      .FontName = "System", .FontSize = 12, .TextAlignment = fw::Alignment::Left,
                      .TextColor = kBlack, .Transparent = true});
}

// Logo, title, by-line, rule and the variables label (tab order 5 to 9).
void ControlWnd::CreateHeading() {
  auto& logo = AddControl(canvas3_, "Canvas3");
  logo.SetBackdrop(Quarnel());
  logo.SetProperties({.Left = 5, .Top = 3, .Width = 78, .Height = 77, .Transparent = true});

  AddControl(staticText4_, "StaticText4")
      .SetProperties({.Left = 115, .Top = 1, .Width = 371, .Height = 50, .Text = "Quarnel",
                      .FontName = "System", .FontSize = 36, .Bold = true,
                      .TextAlignment = fw::Alignment::Center, .TextColor = kTitleBlue});
  AddControl(staticText9_, "StaticText9")
      .SetProperties({.Left = 115, .Top = 48, .Width = 371, .Height = 20, .Text = kByLine,
                      .FontName = "System", .FontSize = 10, .TextAlignment = fw::Alignment::Center,
                      .TextColor = kTitleBlue});
  AddControl(rectangle1_, "Rectangle1")
      .SetProperties({.Left = 115, .Top = 78, .Width = 371, .Height = 2,
                      .FillColor = fw::RGB(0, 0, 255), .BorderWidth = 1,
                      .TopLeftColor = fw::RGB(0, 0, 128), .BottomRightColor = fw::RGB(0, 0, 255)});
  AddControl(staticText1_, "StaticText1")
      .SetProperties({.Left = 20, .Top = 150, .Width = 210, .Height = 20,
                      .Text = "Number of variables (3-99):", .FontName = "System", .FontSize = 14,
                      .Bold = true, .TextAlignment = fw::Alignment::Left, .TextColor = kBlack,
                      .Transparent = true});
}

// Print, Graph and the help icon (tab order 10 to 12).
void ControlWnd::CreateSideControls() {
  auto& print = AddControl(printBtn_, "PrintBtn");
  print.SetProperties(ButtonAt(281, "Print"));
  print.OnAction([this](fw::PushButton& button) { PrintBtn_Action(button); });

  auto& graph = AddControl(graphBtn_, "GraphBtn");
  graph.SetProperties(ButtonAt(336, "Graph"));
  graph.OnAction([this](fw::PushButton& button) { GraphBtn_Action(button); });

  auto& help = AddControl(canvas1_, "Canvas1");
  help.SetBackdrop(Vered68copy());
  help.SetProperties({.Left = 400, .Top = 210, .Width = 74, .Height = 45, .Transparent = true});
  help.OnMouseDown([this](fw::Canvas& canvas, fw::Integer x, fw::Integer y) {
    return Canvas1_MouseDown(canvas, x, y);
  });
}

void ControlWnd::AddMenuHandlers() {
  AddMenuHandler("DescriptionMenuItem", [this] { return _DescriptionMenuItem_Action(); });
  AddMenuHandler("AboutVorn", [this] { return _AboutVorn_Action(); });
}
