// Runs CalculateScree with recording stand-ins for the window's message box,
// clock and report area.
#pragma once

#include <string>
#include <vector>

#include "core/calc/scree.h"

struct ScreeRun {
  Module1 results;
  std::vector<std::string> messages;
  std::vector<std::string> events;  // messages, clock and report, in the order they happened
  std::string report;
  int reports = 0;
  bool completed = false;

  bool Run(std::string_view variables, std::string_view eigenvalues) {
    completed = CalculateScree(
        variables, eigenvalues,
        [this](const std::string& text) { messages.push_back(text); events.push_back("message"); },
        [this] { events.push_back("clock"); return ShortDateTime{"12/10/26", "9:41 AM"}; },
        [this](const std::string& text) { report = text; ++reports; events.push_back("report"); },
        results);
    return completed;
  }
};

// The twenty eigenvalues of the worked example, one per line.
inline constexpr const char* kWorkedExample =
    "5.43\r\n3.11\r\n2.24\r\n1.89\r\n1.52\r\n1.29\r\n.80\r\n.46\r\n.41\r\n.37\r\n"
    ".35\r\n.33\r\n.30\r\n.28\r\n.25\r\n.24\r\n.21\r\n.20\r\n.18\r\n.15";

// The lines of a report, without their CR LF endings.
inline std::vector<std::string> ReportLines(const std::string& report) {
  std::vector<std::string> lines;
  std::size_t begin = 0;
  for (std::size_t end; (end = report.find("\r\n", begin)) != std::string::npos; begin = end + 2)
    lines.push_back(report.substr(begin, end - begin));
  return lines;
}
