#include "tests/support/scripted_services.h"

#include <algorithm>

#include "framework/graphics/graphics.h"
#include "framework/ui/printing.h"
#include "framework/ui/qt_services.h"

namespace fw {
namespace {

std::string SizeOf(const Picture& picture) {
  return std::to_string(picture.Width()) + "x" + std::to_string(picture.Height());
}

template <class T>
std::optional<T> Next(std::deque<std::optional<T>>& queue, bool& scripted) {
  scripted = !queue.empty();
  if (!scripted) return std::nullopt;
  auto answer = std::move(queue.front());
  queue.pop_front();
  return answer;
}

}  // namespace

ScriptedServices::ScriptedServices() : installed_(*this) {}
ScriptedServices::~ScriptedServices() = default;

void ScriptedServices::AnswerMsgBox(MsgBoxAnswer answer) { msgBoxAnswers_.push_back(answer); }
void ScriptedServices::AnswerPrinterDialog(const std::string& pdfPath) {
  printerAnswers_.emplace_back(PrinterAnswer{pdfPath, std::nullopt});
}
void ScriptedServices::AnswerPrinterDialog(const std::string& pdfPath, const QPageLayout& paper) {
  printerAnswers_.emplace_back(PrinterAnswer{pdfPath, paper});
}
void ScriptedServices::CancelPrinterDialog() { printerAnswers_.emplace_back(std::nullopt); }
void ScriptedServices::AnswerExport(const std::string& path) { exportAnswers_.emplace_back(path); }
void ScriptedServices::CancelExport() { exportAnswers_.emplace_back(std::nullopt); }

int ScriptedServices::Count(const std::string& call) const {
  return static_cast<int>(std::count(calls_.begin(), calls_.end(), call));
}

std::vector<std::string> ScriptedServices::CallsStartingWith(const std::string& prefix) const {
  std::vector<std::string> found;
  for (const auto& call : calls_)
    if (call.rfind(prefix, 0) == 0) found.push_back(call);
  return found;
}

void ScriptedServices::MsgBox(const std::string& text) {
  calls_.push_back("MsgBox: " + text);
  msgBoxes_.push_back({text, MsgBoxButtons::Ok, std::nullopt, MsgBoxAnswer::Ok});
}

MsgBoxAnswer ScriptedServices::MsgBox(const std::string& text, MsgBoxButtons buttons,
                                      const std::string& title) {
  const bool yesNo = buttons == MsgBoxButtons::YesNoQuestion;
  MsgBoxAnswer answer = yesNo ? MsgBoxAnswer::No : MsgBoxAnswer::Ok;
  std::string note;
  if (!msgBoxAnswers_.empty()) {
    answer = msgBoxAnswers_.front();
    msgBoxAnswers_.pop_front();
  } else if (yesNo) {
    note = " (unscripted)";
  }
  calls_.push_back("MsgBox " + std::to_string(static_cast<Integer>(buttons)) + ": " + text +
                   " -> " + std::to_string(static_cast<Integer>(answer)) + note);
  msgBoxes_.push_back({text, buttons, title, answer});
  return answer;
}

void ScriptedServices::Beep() { calls_.push_back("Beep"); }

std::shared_ptr<PageSurface> ScriptedServices::OpenPrinterDialog() {
  bool scripted = false;
  auto answer = Next(printerAnswers_, scripted);
  if (!answer) {
    calls_.push_back(std::string("OpenPrinterDialog -> cancel") + (scripted ? "" : " (unscripted)"));
    return nullptr;
  }
  calls_.push_back("OpenPrinterDialog -> " + answer->path);
  if (answer->paper) return PageSurface::ForPdf(answer->path, *answer->paper);
  return PageSurface::ForPdf(answer->path);
}

bool ScriptedServices::ExportPicture(const Picture& picture) {
  bool scripted = false;
  auto path = Next(exportAnswers_, scripted);
  const std::string call = "ExportPicture " + SizeOf(picture) + " -> ";
  if (!path) {
    calls_.push_back(call + "cancel" + (scripted ? "" : " (unscripted)"));
    return false;
  }
  calls_.push_back(call + *path);
  exported_ = std::make_shared<Picture>(picture.Image());
  const QString file = QString::fromStdString(*path);
  const PictureFormat* format = FormatForPath(file);
  return format && WritePictureFile(picture.Image(), file, format->format, nullptr);
}

void ScriptedServices::SetClipboardPicture(const Picture& picture) {
  calls_.push_back("SetClipboardPicture " + SizeOf(picture));
  clipboard_ = std::make_shared<Picture>(picture.Image());
}

std::shared_ptr<Picture> ScriptedServices::ClipboardPicture() {
  calls_.push_back("ClipboardPicture");
  return clipboard_;
}

void ScriptedServices::ReportUnhandledException(const std::string& description) {
  calls_.push_back("UnhandledException: " + description);
  exceptions_.push_back(description);
}

}  // namespace fw
