// The main window's handlers: key filters, buttons, help icon, menus and
// window events.
#include <memory>
#include <string>

#include "core/app/app.h"
#include "core/calc/module1.h"
#include "core/calc/scree.h"
#include "core/windows/about_wnd.h"
#include "core/windows/control_wnd.h"
#include "framework/base/services.h"
#include "framework/date/date.h"
#include "framework/ui/printing.h"
#include "help/description_wnd.h"
#include "plot/window/graph_wnd.h"

namespace {

// A refused key is swallowed with the system beep.
bool Refuse() {
  fw::services().Beep();
  return true;
}

constexpr fw::Integer kBackspace = 8, kLineFeed = 10, kReturn = 13, kDelete = 127;

}  // namespace

// Digits, DEL and every control key (Backspace, Tab, Return, Escape, ...).
bool ControlWnd::NVarsFld_KeyDown(fw::TextArea& /*area*/, const std::string& key) {
  const fw::Integer code = fw::Asc(key);
  const bool digit = key.compare("0") >= 0 && key.compare("9") <= 0;
  if (digit || code < 32 || code == kDelete) return false;
  return Refuse();
}

// Digits, the minus sign, the point, Backspace, LF, CR and DEL; nothing else,
// so Tab, space, "+", "," and the exponent letters are refused too.
bool ControlWnd::EigenFld_KeyDown(fw::TextArea& /*area*/, const std::string& key) {
  const fw::Integer code = fw::Asc(key);
  const bool digit = code > 47 && code < 58;
  if (digit || code == '-' || code == '.' || code == kDelete || code == kLineFeed ||
      code == kReturn || code == kBackspace) {
    return false;
  }
  return Refuse();
}

// Empties both fields and drops the results flag; an open plot stays as it is.
void ControlWnd::ClearBtn_Action(fw::PushButton& /*button*/) {
  NVarsFld().SetText("");
  EigenFld().SetText("");
  module1().dirty = "";
  NVarsFld().SetFocus();
}

void ControlWnd::CalculateBtn_Action(fw::PushButton& /*button*/) {
  CalculateScree(
      NVarsFld().Text(), EigenFld().Text(),
      [](const std::string& text) { fw::services().MsgBox(text); },
      [] {
        const fw::Date now;
        return ShortDateTime{now.ShortDate(), now.ShortTime()};
      },
      [this](const std::string& report) { EigenFld().SetText(report); }, module1());
}

// Prints what the eigenvalue area holds, in blocks of 540 x 720, one per
// page, with no page after the last block.
void ControlWnd::PrintBtn_Action(fw::PushButton& /*button*/) {
  if (fw::Len(EigenFld().Text()) == 0) {
    fw::services().Beep();
    fw::services().MsgBox("Nothing to print.");
    return;
  }
  const std::shared_ptr<fw::PageSurface> page = fw::services().OpenPrinterDialog();
  if (!page) return;
  fw::PrintInBlocks(*EigenFld().StyledTextPrinter(*page, 540), *page, 720);
}

void ControlWnd::GraphBtn_Action(fw::PushButton& /*button*/) {
  if (module1().dirty != "y") {
    fw::services().MsgBox("Quarnel must be calculated before graph can be displayed.");
    return;
  }
  GraphWnd::Instance().Show();
}

bool ControlWnd::Canvas1_MouseDown(fw::Canvas& /*canvas*/, fw::Integer /*x*/, fw::Integer /*y*/) {
  DescriptionWnd::Instance().Show();
  return false;
}

bool ControlWnd::_DescriptionMenuItem_Action() {
  DescriptionWnd::Instance().Show();
  return false;
}

bool ControlWnd::_AboutVorn_Action() {
  AboutWnd::Instance().Show();
  return false;
}

void ControlWnd::Event_EnableMenuItems() {
  ControlMenuItem()->Enabled = false;
  DescriptionMenuItem()->Enabled = true;
  AboutMenuItem()->Enabled = true;
}

// The About window lives from start-up on; when there is none (a main window
// built on its own) there is nothing to hide, and none is built just for that.
void ControlWnd::Event_Activate() {
  if (AboutWnd* about = fw::LiveInstance<AboutWnd>()) about->Hide();
}

void ControlWnd::Event_Close() { fw::Quit(0); }
