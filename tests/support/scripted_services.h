// A scripted stand-in for the modal services, for tests. It records every
// call in order as a short text and answers from queues; an unscripted
// question gets a safe default (No, cancel) and is marked "(unscripted)".
//
//   fw::ScriptedServices script;            // installs itself for its lifetime
//   script.AnswerMsgBox(fw::MsgBoxAnswer::Yes);
//   script.AnswerPrinterDialog("/tmp/out.pdf");   // or script.CancelPrinterDialog()
//   ... drive the window ...
//   EXPECT_THAT(script.calls(), ElementsAre("Beep", "MsgBox: Nothing to print."));
//
// Call texts:
//   "MsgBox: <text>"                      one-button box
//   "MsgBox 36: <text> -> 6"              with buttons and the answer given
//   "Beep"
//   "OpenPrinterDialog -> <pdf path>" / "OpenPrinterDialog -> cancel"
//   "ExportPicture <w>x<h> -> <path>" / "ExportPicture <w>x<h> -> cancel"
//   "SetClipboardPicture <w>x<h>"
//   "ClipboardPicture"
//   "UnhandledException: <description>"
//
// Message boxes are also kept whole, title included (msgBoxes()).
#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <QPageLayout>

#include "framework/base/services.h"

namespace fw {

class ScriptedServices : public Services {
 public:
  ScriptedServices();  // installs itself
  ~ScriptedServices() override;

  // Answers for the next MsgBox with buttons, in order.
  void AnswerMsgBox(MsgBoxAnswer answer);
  // The next printer dialog gives a PDF page surface writing to that file,
  // on the default page or on the paper given (as if chosen in the dialog).
  void AnswerPrinterDialog(const std::string& pdfPath);
  void AnswerPrinterDialog(const std::string& pdfPath, const QPageLayout& paper);
  void CancelPrinterDialog();
  // The next export writes the picture to that file (format from its suffix).
  void AnswerExport(const std::string& path);
  void CancelExport();

  // A message box as asked for: buttons 0 and no title for the one-text form
  // (OK, no icon), else the buttons code and the title given; and the answer.
  struct MsgBoxCall {
    std::string text;
    MsgBoxButtons buttons = MsgBoxButtons::Ok;
    std::optional<std::string> title;
    MsgBoxAnswer answer = MsgBoxAnswer::Ok;
    bool operator==(const MsgBoxCall&) const = default;
    friend void PrintTo(const MsgBoxCall& box, std::ostream* os) {
      *os << "MsgBox " << static_cast<Integer>(box.buttons) << " \"" << box.text << "\" titled "
          << (box.title ? "\"" + *box.title + "\"" : "(none)") << " -> "
          << static_cast<Integer>(box.answer);
    }
  };

  const std::vector<std::string>& calls() const { return calls_; }
  const std::vector<MsgBoxCall>& msgBoxes() const { return msgBoxes_; }
  void ClearCalls() {
    calls_.clear();
    msgBoxes_.clear();
  }
  // How many recorded calls are exactly that text.
  int Count(const std::string& call) const;
  // Calls beginning with that prefix.
  std::vector<std::string> CallsStartingWith(const std::string& prefix) const;

  // The last picture put on the clipboard or exported (null if none).
  const std::shared_ptr<Picture>& clipboard() const { return clipboard_; }
  const std::shared_ptr<Picture>& exported() const { return exported_; }
  // The descriptions of the exceptions reported, in order.
  const std::vector<std::string>& exceptions() const { return exceptions_; }

  void MsgBox(const std::string& text) override;
  MsgBoxAnswer MsgBox(const std::string& text, MsgBoxButtons buttons,
                      const std::string& title) override;
  void Beep() override;
  std::shared_ptr<PageSurface> OpenPrinterDialog() override;
  bool ExportPicture(const Picture& picture) override;
  void SetClipboardPicture(const Picture& picture) override;
  std::shared_ptr<Picture> ClipboardPicture() override;
  void ReportUnhandledException(const std::string& description) override;

 private:
  std::vector<std::string> calls_;
  std::vector<MsgBoxCall> msgBoxes_;
  std::deque<MsgBoxAnswer> msgBoxAnswers_;
  struct PrinterAnswer {
    std::string path;
    std::optional<QPageLayout> paper;
  };
  std::deque<std::optional<PrinterAnswer>> printerAnswers_;
  std::deque<std::optional<std::string>> exportAnswers_;
  std::shared_ptr<Picture> clipboard_;
  std::shared_ptr<Picture> exported_;
  std::vector<std::string> exceptions_;
  ScopedServices installed_;
};

}  // namespace fw
