// Files built into the program (Qt's resource system), read by their
// resource path:
//
//   std::string text = fw::ResourceBytes(":/help/description.txt");
#pragma once

#include <string>
#include <string_view>

namespace fw {

// The file's bytes exactly as built in; throws NilObjectException when the
// program holds no such resource.
std::string ResourceBytes(std::string_view path);

}  // namespace fw
