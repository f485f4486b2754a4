// Arbitrary bytes into the number reader, the pattern formatter and a whole
// calculation. The first byte picks a pattern; the rest is split at the first
// NUL into the number-of-variables text and the eigenvalue text.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/calc/scree.h"
#include "framework/text/text.h"

namespace {

constexpr std::string_view kPatterns[] = {"##", "+#0.0000", "#0.0000", "#.0000", "00", "#.00", "#.##", "x0#."};

void Check(bool condition) {
  if (!condition) std::abort();
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
  (void)fw::Truncate(value);

  Module1 results;
  int reports = 0;
  const bool done = CalculateScree(
      variables, eigenvalues, [](const std::string& text) { Check(!text.empty()); },
      [] { return ShortDateTime{"d", "t"}; }, [&](const std::string&) { ++reports; }, results);
  Check(done == (reports == 1));
  if (done) Check(results.dirty == "y" && results.gArray.RowBound() == results.gN);
  return 0;
}
