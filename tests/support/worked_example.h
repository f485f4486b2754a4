// The worked example: the twenty eigenvalues of the help text's analysis, as
// a user types them and one by one.
#pragma once

#include <string>
#include <vector>

inline const std::vector<std::string> kWorkedEigenvalues = {
    "5.43", "3.11", "2.24", "1.89", "1.52", "1.29", ".80", ".46", ".41", ".37",
    ".35",  ".33",  ".30",  ".28",  ".25",  ".24",  ".21", ".20", ".18", ".15"};

// One per line, CR LF between them and none after the last.
inline const std::string kWorkedExample = [] {
  std::string text;
  for (const auto& value : kWorkedEigenvalues) text += (text.empty() ? "" : "\r\n") + value;
  return text;
}();
