#include "help/description_wnd.h"

#include <string_view>

#include "core/app/default_window.h"
#include "core/app/menu.h"
#include "core/windows/control_wnd.h"
#include "framework/base/exception_hook.h"
#include "framework/base/services.h"
#include "framework/text/text.h"
#include "framework/ui/printing.h"
#include "framework/ui/resources.h"

namespace {

// The title "Quarnel" that opens the help text.
constexpr fw::Integer kTitleLength = 7;

// A printed block: the page inside its margins, at 72 units to the inch.
constexpr double kPrintBlockWidth = 540;
constexpr double kPrintBlockHeight = 720;

std::string LoadHelpText() {
  std::string text = fw::ReplaceLineEndings(fw::ResourceBytes(":/help/description.txt"), fw::EndOfLine);
  // The file ends its last line; the window's text does not.
  if (text.ends_with(fw::EndOfLine)) text.resize(text.size() - fw::EndOfLine.size());
  return text;
}

// What both areas share; the defaults give the rest (border, multi-line,
// vertical scroll bar only, black on white, enabled and visible).
fw::TextAreaLayout DescriptionAreaLayout() {
  return {.Left = -1, .Top = -1, .ReadOnly = true};
}

std::shared_ptr<fw::MenuItem> ItemOf(const fw::Window& window, std::string_view name) {
  const auto& bar = window.menuBar();
  if (!bar) throw fw::NilObjectException("the Description window has no menu bar");
  auto item = bar->Lookup(name);
  if (!item) throw fw::NilObjectException("no menu item " + std::string(name));
  return item;
}

}  // namespace

const std::string& HelpText() {
  static const std::string text = LoadHelpText();
  return text;
}

DescriptionWnd& DescriptionWnd::Instance() { return fw::ImplicitWindow<DescriptionWnd>(); }

std::shared_ptr<fw::MenuItem> DescriptionWnd::ControlMenuItem() const {
  return ItemOf(*this, "ControlMenuItem");
}

std::shared_ptr<fw::MenuItem> DescriptionWnd::AboutMenuItem() const {
  return ItemOf(*this, "AboutMenuItem");
}

void DescriptionWnd::Layout() {
  // The window carries the application's own bar, so enabling done by any
  // party is seen by all; it is installed before the properties apply.
  SetMenuBar(Menu::Shared());
  SetProperties({.Width = 427,
                 .Height = 491,
                 .MinimumWidth = 64,
                 .MinimumHeight = 64,
                 .MaximumWidth = 32000,
                 .MaximumHeight = 32000,
                 .Type = fw::WindowType::Document,
                 .Title = "Description",
                 .HasCloseButton = true,
                 .HasMinimizeButton = true,
                 .HasMaximizeButton = false,
                 .Resizeable = false,
                 .Visible = false,
                 .HasBackgroundColor = false,
                 .BackgroundColor = fw::RGB(255, 255, 255),
                 .MenuBarVisible = false,
                 .Left = 0,
                 .Top = 0,
                 .DefaultLocation = 0});
}

void DescriptionWnd::CreateControls() {
  fw::TextAreaLayout plain = DescriptionAreaLayout();
  plain.Width = 427;
  plain.Height = 478;
  plain.Text = std::string(fw::EndOfLine);
  plain.FontName = "Courier";
  plain.FontSize = 10;
  plain.TextAlignment = fw::Alignment::Default;
  plain.AllowStyledText = false;
  AddControl(describeFld_, "DescribeFld").SetProperties(plain);

  fw::TextAreaLayout help = DescriptionAreaLayout();
  help.Width = 429;
  help.Height = 476;
  help.Text = HelpText();
  help.FontName = "Times";
  help.FontSize = 11;
  help.TextAlignment = fw::Alignment::Left;
  help.AllowStyledText = true;
  AddControl(describeFld2_, "DescribeFld2").SetProperties(help);
}

void DescriptionWnd::AddMenuHandlers() {
  AddMenuHandler("ControlMenuItem", [this] { return _ControlMenuItem_Action(); });
  AddMenuHandler("AboutMenuItem", [this] { return _AboutMenuItem_Action(); });
  AddMenuHandler("Print", [this] { return _Print_Action(); });
}

void DescriptionWnd::Event_Open() {
  fw::TextArea& help = DescribeFld2();
  help.SetSelStart(0);
  help.SetSelLength(kTitleLength);
  help.SetSelBold(true);
}

void DescriptionWnd::Event_EnableMenuItems() {
  ControlMenuItem()->Enabled = true;
  AboutMenuItem()->Enabled = true;
}

bool DescriptionWnd::_ControlMenuItem_Action() {
  ControlWnd::Instance().Show();
  return false;
}

bool DescriptionWnd::_AboutMenuItem_Action() {
  ShowAboutWindow();
  return false;
}

bool DescriptionWnd::_Print_Action() {
  auto page = fw::services().OpenPrinterDialog();
  if (!page) return false;
  fw::PrintInBlocks(*DescribeFld2().StyledTextPrinter(*page, kPrintBlockWidth), *page,
                    kPrintBlockHeight);
  return false;
}
