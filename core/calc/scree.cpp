#include "core/calc/scree.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

using fw::Integer;

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kRule = "============================================";
constexpr std::string_view kHeader = "Order   Eigenvalue      SE      Factor*";
constexpr std::string_view kBlanks = "           ";  // eleven

// The working lists of one run, indexed 1..v (index 0 unused).
struct Steps {
  explicit Steps(Integer v)
      : ordinals(v + 1), eigenvals(v + 1), stderrs(v + 1), slopes(v + 1), intercepts(v + 1) {}
  std::vector<double> ordinals, eigenvals, stderrs, slopes, intercepts;
};

// Steps are fitted kLanes at a time in one pass over their points. Each
// step's sums still run over its own points in increasing order, exactly as
// when fitted alone; the chains of additions of neighbouring steps only
// overlap in the processor. Lanes past the last step are computed and dropped.
constexpr int kLanes = 4;
using Lanes = std::array<double, kLanes>;

// For i = first..v in increasing order, adds term(i, l) to sum[l] in every lane
// whose step includes point i. From i = first + kLanes - 1 on, every lane does.
template <typename Term>
void Accumulate(Lanes& sum, Integer first, Integer v, Term term) {
  Integer i = first;
  for (; i <= v && i < first + kLanes - 1; ++i)
    for (int l = 0; l < kLanes; ++l)
      if (first + l <= i) sum[l] = term(i, l) + sum[l];
  for (; i <= v; ++i)
    for (int l = 0; l < kLanes; ++l) sum[l] = term(i, l) + sum[l];
}

// The least-squares fits of steps first..first+count-1 (step k uses points
// k..v) and their standard errors of estimate with m - 2 degrees of freedom.
void FitSteps(Steps& s, Integer first, Integer count, Integer v) {
  Lanes sy{}, sxy{}, slope{}, intercept{}, ssres{};
  Accumulate(sy, first, v, [&](Integer i, int) { return s.eigenvals[i]; });
  Accumulate(sxy, first, v, [&](Integer i, int) { return s.eigenvals[i] * s.ordinals[i]; });
  for (int l = 0; l < kLanes; ++l) {
    const Integer k = first + l;
    // The x values are the whole numbers k..v: their sums are whole numbers far
    // below 2^53, so adding them one by one would give these values exactly.
    const auto sx = static_cast<double>((v * (v + 1) - (k - 1) * k) / 2);
    const auto sxx = static_cast<double>((v * (v + 1) * (2 * v + 1) - (k - 1) * k * (2 * k - 1)) / 6);
    const auto m = static_cast<double>(v - k + 1);
    const double meanX = sx / m, meanY = sy[l] / m;
    slope[l] = (sxy[l] - (sy[l] * sx) / m) / (sxx - (sx * sx) / m);
    intercept[l] = meanY - slope[l] * meanX;
  }
  Accumulate(ssres, first, v, [&](Integer i, int l) {
    const double residual = s.eigenvals[i] - (s.ordinals[i] * slope[l] + intercept[l]);
    return residual * residual;
  });
  for (Integer l = 0; l < count; ++l) {
    s.slopes[first + l] = slope[l];
    s.intercepts[first + l] = intercept[l];
    s.stderrs[first + l] = std::sqrt(ssres[l] / static_cast<double>(v - (first + l) + 1 - 2));
  }
}

bool IsNontrivial(double standardError, double critval) { return standardError >= critval; }

// Appends a number right-aligned in width characters, as the rightmost width
// characters of eleven blanks followed by it: a longer text loses its left
// end. (Formatted numbers are ASCII: a character is a byte.)
void AppendCell(std::string& out, double value, std::string_view pattern, std::size_t width) {
  std::string cell;  // short enough to stay inside the string: no allocation
  fw::AppendFormat(cell, value, pattern);
  const std::string_view text = cell;
  out.append(std::min(width - std::min(width, text.size()), kBlanks.size()), ' ');
  out += text.substr(text.size() - std::min(text.size(), width));
}

void AppendRow(std::string& out, const Steps& s, Integer k, double critval) {
  const bool narrow = k <= 9;
  AppendCell(out, s.ordinals[k], "##", 3);
  if (narrow) out += ' ';
  AppendCell(out, s.eigenvals[k], "+#0.0000", narrow ? 12 : 13);
  AppendCell(out, s.stderrs[k], "#0.0000", 13);
  out += "   ";
  out += IsNontrivial(s.stderrs[k], critval) ? "nontrivial" : "trivial";
  out += kCrLf;
}

// Lines end in CR LF, some of them through the framework's line ending
// (which is CR LF as well).
std::string Report(const Steps& s, Integer v, double critval, const ClockFunction& clock, double& gCV) {
  const std::string_view eol = fw::EndOfLine;
  std::string r;
  r.reserve(static_cast<std::size_t>(v + 8) * 48);
  (r += kCrLf) += "Quarnel: ";
  (r += kNotice) += kCrLf;
  const ShortDateTime now = clock();
  ((((r += "Date: ") += now.date) += "  ") += now.time) += eol;
  r += eol;
  (r += kRule) += eol;
  (r += kHeader) += kCrLf;
  (r += kRule) += eol;
  for (Integer k = 1; k <= v - 2; ++k) AppendRow(r, s, k, critval);
  (r += kRule) += eol;
  gCV = 0;
  for (Integer k = 1; k <= v - 2; ++k)
    if (IsNontrivial(s.stderrs[k], critval)) gCV = 1.0 + gCV;
  ((((r += "*Critical value = ") += fw::Format(critval, "#.0000")) += " (") += fw::Str(gCV)) += " factors)";
  r += eol;
  return r;
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
  for (Integer k = 1; k <= v - 2; k += kLanes) FitSteps(s, k, std::min<Integer>(kLanes, v - 2 - k + 1), v);

  report(Report(s, v, critval, clock, results.gCV));
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
