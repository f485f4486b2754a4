// The lines of a report or text, split at CR LF. A final line ending closes
// the last line rather than opening an empty one.
#pragma once

#include <string>
#include <string_view>
#include <vector>

inline std::vector<std::string> ReportLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t begin = 0;
  for (std::size_t end; (end = text.find("\r\n", begin)) != std::string_view::npos; begin = end + 2)
    lines.emplace_back(text.substr(begin, end - begin));
  if (begin < text.size()) lines.emplace_back(text.substr(begin));
  return lines;
}
