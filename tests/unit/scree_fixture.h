// Runs CalculateScree with recording stand-ins for the window's message box,
// clock and report area.
#pragma once

#include <string>
#include <vector>

#include "core/calc/scree.h"
#include "tests/support/report_lines.h"
#include "tests/support/worked_example.h"

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
