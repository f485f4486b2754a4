#include "framework/ui/pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>

#include "framework/graphics/graphics.h"
#include "framework/ui/internal.h"
#include "framework/ui/qt_services.h"

namespace fw {
namespace {

std::vector<std::string>& Folders() {
  static std::vector<std::string> folders;
  return folders;
}

PictureReader& Reader() {
  static PictureReader reader;
  return reader;
}

std::vector<QString> SearchFolders() {
  std::vector<QString> folders;
  for (const auto& folder : Folders()) folders.push_back(ToQt(folder));
  if (QCoreApplication::instance()) {
    const QString exe = QCoreApplication::applicationDirPath();
    folders.push_back(exe);
    folders.push_back(exe + "/../share/quarnel");
  }
  folders.push_back(QStringLiteral(QUARNEL_DATA_DIR));
  return folders;
}

std::shared_ptr<Picture> ReadFromFile(const std::string& fileName) {
  const std::string path = FindPictureFile(fileName);
  if (path.empty()) return nullptr;
  const QImage image = ReadPictureFile(ToQt(path));
  if (image.isNull()) return nullptr;
  return std::make_shared<Picture>(image);
}

}  // namespace

std::string FindPictureFile(const std::string& fileName) {
  for (const QString& folder : SearchFolders()) {
    const QFileInfo file(QDir(folder), ToQt(fileName));
    if (file.isFile()) return FromQt(file.absoluteFilePath());
  }
  return "";
}

std::shared_ptr<Picture> ReadPicture(const std::string& fileName) {
  return Reader() ? Reader()(fileName) : ReadFromFile(fileName);
}

void SetPictureFolders(std::vector<std::string> folders) { Folders() = std::move(folders); }
std::vector<std::string> PictureFolders() { return Folders(); }
void SetPictureReader(PictureReader reader) { Reader() = std::move(reader); }

}  // namespace fw
