#include "core/app/pictures.h"

#include <string>

#include "framework/ui/pictures.h"

namespace {

// Nothing is remembered while a read gives nothing: the next use reads again.
std::shared_ptr<fw::Picture> Cached(std::shared_ptr<fw::Picture>& cache, const std::string& fileName) {
  if (!cache) cache = fw::ReadPicture(fileName);
  return cache;
}

}  // namespace

std::shared_ptr<fw::Picture> Quarnel() {
  static std::shared_ptr<fw::Picture> cache;
  return Cached(cache, "Quarnel.tiff");
}

std::shared_ptr<fw::Picture> Vered68copy() {
  static std::shared_ptr<fw::Picture> cache;
  return Cached(cache, "Vered68 copy.png");
}
