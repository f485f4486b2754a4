// The document types the application declares. Nothing reads them after
// start-up: no dialog or file operation of the program names a file type.
#pragma once

#include <string>
#include <vector>

struct FileType {
  std::string Name;
  std::string Extensions;
  std::string MacType;
  std::string MacCreator;
  std::string MimeType;
  bool Imported = false;
  std::string ConformsTo;
};

namespace FileTypes {

// Builds Text and UntitledType and lists them, Text first.
void _Initialize();

const FileType& Text();
const FileType& UntitledType();

// Every declared type, in the order declared; empty until _Initialize.
const std::vector<FileType>& pAllFileTypes();

}  // namespace FileTypes
