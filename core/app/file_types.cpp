#include "core/app/file_types.h"

namespace FileTypes {
namespace {

struct Declared {
  FileType text;
  FileType untitled;
  std::vector<FileType> all;
};

Declared& declared() {
  static Declared instance;
  return instance;
}

}  // namespace

void _Initialize() {
  Declared& d = declared();
  d.all.clear();  // a second start-up in one process (tests) declares afresh
  d.text = FileType{};
  d.text.Name = "text";
  d.text.MacType = "TEXT";
  d.text.MacCreator = "R*ch";
  d.text.Imported = true;
  d.all.push_back(d.text);

  d.untitled = FileType{};
  d.untitled.Imported = true;
  d.all.push_back(d.untitled);
}

const FileType& Text() { return declared().text; }
const FileType& UntitledType() { return declared().untitled; }
const std::vector<FileType>& pAllFileTypes() { return declared().all; }

}  // namespace FileTypes
