#include "core/app/pictures.h"

#include <string>

#include "framework/ui/pictures.h"

namespace {

// Nothing is remembered while a read gives nothing: the next use reads again.
std::shared_ptr<fw::Picture> Cached(std::shared_ptr<fw::Picture>& cache, const std::string& fileName) {
  if (!cache) cache = fw::ReadPicture(fileName);
  return cache;
}

std::shared_ptr<fw::Picture>& LogoCache() {
  static std::shared_ptr<fw::Picture> cache;
  return cache;
}

std::shared_ptr<fw::Picture>& HelpIconCache() {
  static std::shared_ptr<fw::Picture> cache;
  return cache;
}

}  // namespace

std::shared_ptr<fw::Picture> Quarnel() { return Cached(LogoCache(), "Quarnel.tiff"); }

std::shared_ptr<fw::Picture> Vered68copy() { return Cached(HelpIconCache(), "Vered68 copy.png"); }

void ForgetPictures() {
  LogoCache().reset();
  HelpIconCache().reset();
}
