// Arbitrary bytes into the number reader, the pattern formatter and a whole
// calculation. The first byte picks a pattern; the rest is split at the first
// NUL into the number-of-variables text and the eigenvalue text.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc/scree.h"
#include "framework/text/text.h"

namespace {

constexpr std::string_view kPatterns[] = {"##", "+#0.0000", "#0.0000", "#.0000", "00", "#.00", "#.##", "x0#."};

void Check(bool condition) {
  if (!condition) std::abort();
}

// The messages a run must show, worked out through the framework's own field
// reader rather than the calculation's: one range message, or the empty-text
// message, or one message for each empty line among the first v, in order.
std::vector<std::string> ExpectedMessages(fw::Integer v, std::string_view eigenvalues) {
  if (v < 3 || v > 99) return {"Variables must range from 3-99"};
  if (eigenvalues.empty()) return {"No Eigenvalues."};
  const std::string text = fw::ReplaceLineEndings(eigenvalues, "\r\n");
  std::vector<std::string> messages;
  for (fw::Integer i = 1; i <= v; ++i)
    if (fw::NthField(text, "\r\n", i).empty())
      messages.push_back("Please check the accuracy of Eigenvalue # " + fw::Str(i) + ".");
  return messages;
}

// v + 7 lines, each ended by CR LF, with no other CR or LF in them.
void CheckReportLines(const std::string& report, fw::Integer v) {
  fw::Integer lines = 0;
  for (std::size_t at = 0; at < report.size(); ++at) {
    if (report[at] == '\n') Check(false);  // an LF not preceded by CR
    if (report[at] != '\r') continue;
    Check(at + 1 < report.size() && report[at + 1] == '\n');
    ++lines;
    ++at;
  }
  Check(lines == v + 7);
  Check(report.size() >= 2 && report.substr(report.size() - 2) == "\r\n");
}

void CheckCompletedRecord(const Module1& results, fw::Integer v) {
  const ResultsTable& table = results.gArray;
  Check(results.dirty == "y" && results.gN == v);
  Check(table.RowBound() == v && table.ColumnBound() == 5);
  Check(results.gCV >= 0 && results.gCV <= static_cast<double>(v - 2) && results.gCV == std::trunc(results.gCV));
  for (fw::Integer column = 0; column <= 5; ++column) Check(table.at(0, column) == 0);
  for (fw::Integer row = 1; row <= v; ++row)
    Check(table.at(row, 0) == 0 && table.at(row, 1) == static_cast<double>(row));
  for (fw::Integer row = v - 1; row <= v; ++row)
    for (fw::Integer column = 3; column <= 5; ++column) Check(table.at(row, column) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view pattern = kPatterns[data[0] % std::size(kPatterns)];
  const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::size_t split = rest.find('\0');
  const std::string_view variables = rest.substr(0, split);
  const std::string_view eigenvalues = split == std::string_view::npos ? "" : rest.substr(split + 1);

  const double value = fw::Val(variables);
  const std::string formatted = fw::Format(value, pattern);
  Check(!formatted.empty());
  if (std::isfinite(value) && pattern == "#0.0000") Check(formatted.size() >= 6);
  const fw::Integer v = fw::Truncate(value);

  Module1 results;
  std::vector<std::string> messages;
  int clocks = 0, reports = 0;
  std::string report;
  const bool done = CalculateScree(
      variables, eigenvalues,
      [&](const std::string& text) {
        Check(clocks == 0);  // every message comes before the date line
        messages.push_back(text);
      },
      [&] { ++clocks; return ShortDateTime{"d", "t"}; },
      [&](const std::string& text) {
        Check(clocks == 1);
        report = text;
        ++reports;
      },
      results);

  Check(messages == ExpectedMessages(v, eigenvalues));
  const bool inRange = v >= 3 && v <= 99;
  Check(done == (inRange && !eigenvalues.empty()));
  Check(reports == (done ? 1 : 0) && clocks == reports);
  if (done) {
    CheckReportLines(report, v);
    CheckCompletedRecord(results, v);
  } else {
    Check(results.dirty.empty() && results.gCV == 0);
    Check(results.gN == (inRange ? v : 0));
    Check(results.gArray.RowBound() == (inRange ? v : 99));
  }
  return 0;
}
