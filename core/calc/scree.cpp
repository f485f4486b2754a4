#include "core/calc/scree.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

namespace {

using fw::Integer;

// The line separator of the eigenvalue text and the ending of every report
// line. Some report lines end with the framework's line ending instead, which
// is the same CR LF.
constexpr std::string_view kCrLf = "\r\n";
static_assert(fw::EndOfLine == kCrLf);
constexpr std::string_view kRule = "============================================";
constexpr std::string_view kHeader = "Order   Eigenvalue      SE      Factor*";
constexpr std::string_view kBlanks = "           ";  // eleven
constexpr fw::NumberPattern kStepPattern{"##"};
constexpr fw::NumberPattern kEigenvaluePattern{"+#0.0000"};
constexpr fw::NumberPattern kErrorPattern{"#0.0000"};

// The working lists of one run, indexed 1..v (index 0 unused).
struct Steps {
  explicit Steps(Integer v)
      : ordinals(v + 1), eigenvals(v + 1), stderrs(v + 1), slopes(v + 1), intercepts(v + 1) {}
  std::vector<double> ordinals, eigenvals, stderrs, slopes, intercepts;
};

// Step k's least-squares fit over the points k..v and its standard error of
// estimate with m - 2 degrees of freedom. Every sum runs over its points in
// increasing order, each term added to the sum so far, as the method is written.
void FitStep(Steps& s, Integer k, Integer v) {
  double sx = 0, sy = 0, sxx = 0, sxy = 0;
  for (Integer i = k; i <= v; ++i) {
    const double x = s.ordinals[i], y = s.eigenvals[i];
    sx = x + sx;
    sxx = x * x + sxx;
    sy = y + sy;
    sxy = y * x + sxy;
  }
  const auto m = static_cast<double>(v - k + 1);
  const double meanX = sx / m, meanY = sy / m;
  const double slope = (sxy - (sy * sx) / m) / (sxx - (sx * sx) / m);
  const double intercept = meanY - slope * meanX;
  double ssres = 0;
  for (Integer i = k; i <= v; ++i) {
    const double residual = s.eigenvals[i] - (s.ordinals[i] * slope + intercept);
    ssres = residual * residual + ssres;
  }
  s.slopes[k] = slope;
  s.intercepts[k] = intercept;
  s.stderrs[k] = std::sqrt(ssres / (m - 2));
}

bool IsNontrivial(double standardError, double critval) { return standardError >= critval; }

// Appends a number right-aligned in width characters, as the rightmost width
// characters of eleven blanks followed by it: a longer text loses its left
// end. (Formatted numbers are ASCII: a character is a byte.)
void AppendCell(std::string& out, double value, const fw::NumberPattern& pattern, std::size_t width) {
  const std::size_t start = out.size();
  fw::AppendFormat(out, value, pattern);
  const std::size_t length = out.size() - start;
  if (length > width) out.erase(start, length - width);
  else out.insert(start, std::min(width - length, kBlanks.size()), ' ');
}

// Appends the parts, then the line ending.
void AppendLine(std::string& out, std::initializer_list<std::string_view> parts = {}) {
  for (std::string_view part : parts) out += part;
  out += kCrLf;
}

void AppendRow(std::string& out, const Steps& s, Integer k, double critval) {
  const bool narrow = k <= 9;
  AppendCell(out, s.ordinals[k], kStepPattern, 3);
  if (narrow) out += ' ';
  AppendCell(out, s.eigenvals[k], kEigenvaluePattern, narrow ? 12 : 13);
  AppendCell(out, s.stderrs[k], kErrorPattern, 13);
  AppendLine(out, {"   ", IsNontrivial(s.stderrs[k], critval) ? "nontrivial" : "trivial"});
}

// The report up to the rule under the table; the date line takes the clock.
std::string ReportTable(const Steps& s, Integer v, double critval, const ClockFunction& clock) {
  std::string r;
  r.reserve(static_cast<std::size_t>(v + 8) * 48);
  AppendLine(r);
  AppendLine(r, {"Quarnel: ", kNotice});
  const ShortDateTime now = clock();
  AppendLine(r, {"Date: ", now.date, "  ", now.time});
  AppendLine(r);
  AppendLine(r, {kRule});
  AppendLine(r, {kHeader});
  AppendLine(r, {kRule});
  for (Integer k = 1; k <= v - 2; ++k) AppendRow(r, s, k, critval);
  AppendLine(r, {kRule});
  return r;
}

// The number of factors: every nontrivial step, wherever it lies.
double CountFactors(const Steps& s, Integer v, double critval) {
  double count = 0;
  for (Integer k = 1; k <= v - 2; ++k)
    if (IsNontrivial(s.stderrs[k], critval)) count = 1.0 + count;
  return count;
}

void AppendClosingLine(std::string& r, double critval, double factors) {
  AppendLine(r, {"*Critical value = ", fw::Format(critval, "#.0000"), " (", fw::Str(factors), " factors)"});
}

// Reads eigenvalues 1..v from the lines of text; an empty or missing line
// counts as 0 after its message.
void ReadEigenvalues(std::string_view text, Integer v, const MessageFunction& message, Steps& s) {
  std::size_t begin = 0;
  for (Integer i = 1; i <= v; ++i) {
    std::string_view line;
    if (begin <= text.size()) {
      const std::size_t end = std::min(text.find(kCrLf, begin), text.size());
      line = text.substr(begin, end - begin);
      begin = end == text.size() ? text.size() + 1 : end + kCrLf.size();
    }
    if (line.empty())
      message("Please check the accuracy of Eigenvalue # " + fw::Str(i) + ".");
    s.eigenvals[i] = fw::Val(line);
  }
}

}  // namespace

bool CalculateScree(std::string_view variablesText, std::string_view eigenvalueText,
                    const MessageFunction& message, const ClockFunction& clock,
                    const ReportFunction& report, Module1& results) {
  const Integer v = fw::Truncate(fw::Val(variablesText));
  if (v < 3 || v > 99) {
    message("Variables must range from 3-99");
    return false;
  }
  results.gN = v;
  Steps s(v);
  results.gArray.Redim(-1, -1);
  results.gArray.Redim(v, 5);

  const std::string text = fw::ReplaceLineEndings(eigenvalueText, kCrLf);
  if (fw::Len(text) == 0) {
    message("No Eigenvalues.");
    return false;
  }
  ReadEigenvalues(text, v, message, s);

  const double critval = 1.0 / static_cast<double>(v);
  for (Integer i = 1; i <= v; ++i) s.ordinals[i] = static_cast<double>(i);
  for (Integer k = 1; k <= v - 2; ++k) FitStep(s, k, v);

  // The count is in the record before the report is delivered.
  std::string r = ReportTable(s, v, critval, clock);
  results.gCV = CountFactors(s, v, critval);
  AppendClosingLine(r, critval, results.gCV);
  report(r);
  results.dirty = "y";
  for (Integer i = 1; i <= v; ++i) {
    results.gArray.at(i, 1) = s.ordinals[i];
    results.gArray.at(i, 2) = s.eigenvals[i];
    results.gArray.at(i, 3) = s.stderrs[i];
    results.gArray.at(i, 4) = s.slopes[i];
    results.gArray.at(i, 5) = s.intercepts[i];
  }
  return true;
}
