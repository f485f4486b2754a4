// Pictures read by file name at run time. ReadPicture gives the picture, or
// null while the file is missing or unreadable (nothing is remembered, so a
// caller that caches only non-null results tries again on its next use).
//
//   std::shared_ptr<fw::Picture> logo = fw::ReadPicture("Quarnel.tiff");
//
// A name is looked up, in this order, in the folders given to
// SetPictureFolders (none by default), the executable's folder, the
// executable's ../share/quarnel, and the installed data folder
// (<install prefix>/share/quarnel).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace fw {

class Picture;

std::shared_ptr<Picture> ReadPicture(const std::string& fileName);
// The path of the first folder that holds the file, or "" when none does.
std::string FindPictureFile(const std::string& fileName);

void SetPictureFolders(std::vector<std::string> folders);
std::vector<std::string> PictureFolders();

// Replaces the reader for tests (for example to count reads); null restores it.
using PictureReader = std::function<std::shared_ptr<Picture>(const std::string& fileName)>;
void SetPictureReader(PictureReader reader);

}  // namespace fw
