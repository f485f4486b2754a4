// The Qt implementation of the modal services, and the picture writing it
// uses (exposed for tests of the export). The program installs it at
// start-up with UseQtServices().
#pragma once

#include <QImage>
#include <QString>

#include "framework/base/services.h"

namespace fw {

// The export formats offered, as save-dialog filters and writer formats.
struct PictureFormat {
  const char* filter;  // "PNG (*.png)"
  const char* format;  // "png"
  const char* suffix;  // "png"
};
const PictureFormat* ExportFormats(int* count);
// The format for a file name's suffix (png, jpg, jpeg, bmp, tif, tiff), or null.
const PictureFormat* FormatForPath(const QString& path);
// Reads a picture file, the reader for its suffix first: Qt told nothing, or
// only a format it reads itself (PNG), loads every image plugin it has to
// ask each whether it can read the file. A file whose content is not what
// its suffix says is still read, by content. A null image where it cannot be.
QImage ReadPictureFile(const QString& path);
// Writes the image; on failure gives the writer's message in error.
bool WritePictureFile(const QImage& image, const QString& path, const char* format, QString* error);
// What the export does once the save dialog has answered: the format from the
// file's suffix, else from the chosen filter (whose suffix is then added).
// Answers the path written, or "" with the reason in error.
QString ExportPictureTo(const QImage& image, QString path, const QString& chosenFilter,
                        QString* error);

// The dialogs behind OpenPrinterDialog and ExportPicture, run whatever the
// platform (the services answer at once where no one can see a dialog; tests
// answer these offscreen): the printer dialog on the page the program offers,
// and the save dialog followed by ExportPictureTo with the filter chosen.
std::shared_ptr<PageSurface> RunPrinterDialog();
bool RunExportDialog(const QImage& image);

// Installs the one QtServices object as the process's services.
void UseQtServices();

class QtServices : public Services {
 public:
  void MsgBox(const std::string& text) override;
  MsgBoxAnswer MsgBox(const std::string& text, MsgBoxButtons buttons,
                      const std::string& title) override;
  void Beep() override;
  std::shared_ptr<PageSurface> OpenPrinterDialog() override;
  bool ExportPicture(const Picture& picture) override;
  void SetClipboardPicture(const Picture& picture) override;
  std::shared_ptr<Picture> ClipboardPicture() override;
  void ReportUnhandledException(const std::string& description) override;
};

}  // namespace fw
