// The modal services: message boxes, the beep, the printer dialog, picture
// export, the clipboard picture and the unhandled-exception report. Windows
// call them through fw::services(); the program installs the Qt
// implementation (framework/ui/qt_services.h) at start-up, and tests install
// a fw::ScriptedServices (tests/support/scripted_services.h). Plain C++: the
// interface needs no widgets, so code below the windows can use it.
//
//   fw::services().Beep();
//   fw::services().MsgBox("Nothing to print.");
//   if (fw::services().MsgBox("Are you sure?", fw::MsgBoxButtons::YesNoQuestion, "") ==
//       fw::MsgBoxAnswer::Yes) ...
//   if (auto page = fw::services().OpenPrinterDialog()) page->graphics()...
#pragma once

#include <memory>
#include <string>

#include "framework/text/text.h"

namespace fw {

class Picture;
class PageSurface;

// MsgBox buttons and answers by their codes: 36 is Yes and No (4) with the
// question icon (32).
enum class MsgBoxButtons : Integer { Ok = 0, YesNoQuestion = 36 };
enum class MsgBoxAnswer : Integer { Ok = 1, Yes = 6, No = 7 };

class Services {
 public:
  virtual ~Services() = default;

  // A modal box with the text and an OK button.
  virtual void MsgBox(const std::string& text) = 0;
  // YesNoQuestion shows Yes and No with a question icon and answers Yes or No;
  // Ok shows OK and answers Ok.
  virtual MsgBoxAnswer MsgBox(const std::string& text, MsgBoxButtons buttons,
                              const std::string& title) = 0;
  virtual void Beep() = 0;
  // The printer dialog without page setup: a page surface, or null when cancelled.
  virtual std::shared_ptr<PageSurface> OpenPrinterDialog() = 0;
  // Asks for a file and a format (PNG, JPEG, BMP, TIFF) and writes the
  // picture; answers whether a file was written.
  virtual bool ExportPicture(const Picture& picture) = 0;
  virtual void SetClipboardPicture(const Picture& picture) = 0;
  // The picture on the clipboard, or null.
  virtual std::shared_ptr<Picture> ClipboardPicture() = 0;
  // Shows an exception that escaped a handler or start-up.
  virtual void ReportUnhandledException(const std::string& description) = 0;
};

// The installed services. Before any are installed, a stand-in writes each
// box's text to stderr and takes the safe answer (OK, No, cancel), as the Qt
// ones do without a display.
Services& services();
// Sets the process's own services, used whenever no scoped ones are installed;
// null restores the stand-in. The caller keeps ownership and keeps the object
// alive while it is in use. Scoped services (a test's double) stay in front.
void SetDefaultServices(Services* defaults);

// Installs services for a scope and restores the previous ones after it.
class ScopedServices {
 public:
  explicit ScopedServices(Services& replacement);
  ~ScopedServices();
  ScopedServices(const ScopedServices&) = delete;
  ScopedServices& operator=(const ScopedServices&) = delete;

 private:
  Services* previous_;
};

}  // namespace fw
