#include "framework/ui/qt_services.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QImageWriter>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>

#include <cstdio>
#include <iterator>

#include "framework/graphics/graphics.h"
#include "framework/ui/internal.h"
#include "framework/ui/printing.h"

namespace fw {
namespace {

constexpr PictureFormat kFormats[] = {
    {"PNG (*.png)", "png", "png"},
    {"JPEG (*.jpg *.jpeg)", "jpg", "jpg"},
    {"BMP (*.bmp)", "bmp", "bmp"},
    {"TIFF (*.tif *.tiff)", "tiff", "tif"},
};

// Without a display nobody can answer a box: say it on stderr and take the
// safe answer rather than wait for ever.
bool Headless() {
  return !QCoreApplication::instance() || QGuiApplication::platformName() == "offscreen";
}

// Every message box's text, for anyone who watches the program from outside
// (QT_LOGGING_RULES="quarnel.dialogs.info=true"): a box's label cannot be
// read through the window system.
Q_LOGGING_CATEGORY(lcDialogs, "quarnel.dialogs", QtWarningMsg)

// A dialog without a parent is its own top-level window, which a window
// manager may stack with the program's first window, lifting that window
// above the one the user is working in: boxes and dialogs belong to the
// active window.
// Such a dialog lives on the heap behind a QPointer: should its window be
// destroyed while it is up, the window takes the dialog with it.
QWidget* DialogParent() { return QApplication::activeWindow(); }

// The boxes that are given no title (the one-text message box, the warning
// and the error report) carry the program's name.
QString ProgramName() { return QGuiApplication::applicationDisplayName(); }

// A box asked for with a title shows that title, an empty one as none.
MsgBoxAnswer ShowBox(const std::string& text, MsgBoxButtons buttons, const QString& title) {
  const bool yesNo = buttons == MsgBoxButtons::YesNoQuestion;
  if (Headless()) {
    std::fprintf(stderr, "MsgBox: %s\n", text.c_str());
    return yesNo ? MsgBoxAnswer::No : MsgBoxAnswer::Ok;
  }
  qCInfo(lcDialogs, "message box: %s", text.c_str());
  QPointer<QMessageBox> box =
      new QMessageBox(yesNo ? QMessageBox::Question : QMessageBox::NoIcon, title, ToQt(text),
                      yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                      DialogParent());
  const int answer = box->exec();
  delete box;
  if (!yesNo) return MsgBoxAnswer::Ok;
  return answer == QMessageBox::Yes ? MsgBoxAnswer::Yes : MsgBoxAnswer::No;
}

}  // namespace

void UseQtServices() {
  static QtServices qt;
  SetDefaultServices(&qt);
}

const PictureFormat* ExportFormats(int* count) {
  *count = static_cast<int>(std::size(kFormats));
  return kFormats;
}

const PictureFormat* FormatForPath(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == "jpeg") return &kFormats[1];
  if (suffix == "tiff") return &kFormats[3];
  for (const auto& format : kFormats)
    if (suffix == format.suffix) return &format;
  return nullptr;
}

QImage ReadPictureFile(const QString& path) {
  QImageReader bySuffix(path, QFileInfo(path).suffix().toLatin1());
  bySuffix.setAutoDetectImageFormat(false);
  const QImage image = bySuffix.read();
  return image.isNull() ? QImage(path) : image;
}

bool WritePictureFile(const QImage& image, const QString& path, const char* format, QString* error) {
  QImageWriter writer(path, format);
  if (writer.write(image)) return true;
  if (error) *error = writer.errorString();
  return false;
}

QString ExportPictureTo(const QImage& image, QString path, const QString& chosenFilter,
                        QString* error) {
  const PictureFormat* format = FormatForPath(path);
  if (!format) {
    format = &kFormats[0];
    for (const auto& offered : kFormats)
      if (chosenFilter == offered.filter) format = &offered;
    path += '.' + QString::fromLatin1(format->suffix);
  }
  return WritePictureFile(image, path, format->format, error) ? path : QString();
}

void QtServices::MsgBox(const std::string& text) { ShowBox(text, MsgBoxButtons::Ok, ProgramName()); }

MsgBoxAnswer QtServices::MsgBox(const std::string& text, MsgBoxButtons buttons,
                                const std::string& title) {
  return ShowBox(text, buttons, TitleBarText(title));
}

void QtServices::Beep() { QApplication::beep(); }

std::shared_ptr<PageSurface> QtServices::OpenPrinterDialog() {
  if (Headless()) return nullptr;
  return RunPrinterDialog();
}

std::shared_ptr<PageSurface> RunPrinterDialog() {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  PageSurface::SetUpPage(*printer);
  QPointer<QPrintDialog> dialog = new QPrintDialog(printer.get(), DialogParent());
  const int answer = dialog->exec();
  delete dialog;
  if (answer != QDialog::Accepted) return nullptr;
  return PageSurface::OnChosenPaper(std::move(printer));
}

bool QtServices::ExportPicture(const Picture& picture) {
  if (Headless()) return false;
  return RunExportDialog(picture.Image());
}

bool RunExportDialog(const QImage& image) {
  QStringList filters;
  for (const auto& format : kFormats) filters << format.filter;
  QString chosen = filters.front();
  QString path = QFileDialog::getSaveFileName(DialogParent(), QString(), QString(),
                                              filters.join(";;"), &chosen);
  if (path.isEmpty()) return false;
  QString error;
  if (!ExportPictureTo(image, path, chosen, &error).isEmpty()) return true;
  const QString message = QObject::tr("The picture could not be saved: %1").arg(error);
  qCInfo(lcDialogs, "message box: %s", qUtf8Printable(message));
  QMessageBox::warning(DialogParent(), ProgramName(), message);
  return false;
}

void QtServices::SetClipboardPicture(const Picture& picture) {
  QGuiApplication::clipboard()->setImage(picture.Image());
}

std::shared_ptr<Picture> QtServices::ClipboardPicture() {
  const QImage image = QGuiApplication::clipboard()->image();
  if (image.isNull()) return nullptr;
  return std::make_shared<Picture>(image);
}

void QtServices::ReportUnhandledException(const std::string& description) {
  // The description is on stderr already.
  if (Headless()) return;
  qCInfo(lcDialogs, "message box: %s", description.c_str());
  QMessageBox::critical(DialogParent(), ProgramName(), ToQt(description));
}

}  // namespace fw
