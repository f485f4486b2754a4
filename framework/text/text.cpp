#include "framework/text/text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <system_error>

namespace fw {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The bytes of the character that text begins with: a lead byte with all the
// continuation bytes it announces, else one byte. A stray continuation byte or
// a cut-off sequence is a character of its own, so every non-empty text has at
// least one character.
std::size_t CharacterSize(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  const std::size_t size = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF8 ? 4 : 1;
  if (text.size() < size) return 1;
  for (std::size_t i = 1; i < size; ++i)
    if (!IsContinuationByte(text[i])) return 1;
  return size;
}

// The span of a decimal number at the start of text, without its sign:
// digits, an optional point with digits, an optional exponent.
struct NumberSpan {
  std::size_t end = 0;          // one past the last character of the number
  bool negative = false;
  bool anyDigit = false;
  std::size_t mantissaBegin = 0;
};

NumberSpan ScanNumber(std::string_view text) {
  NumberSpan span;
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) span.negative = text[i++] == '-';
  span.mantissaBegin = i;
  while (i < text.size() && IsDigit(text[i])) { ++i; span.anyDigit = true; }
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) { ++i; span.anyDigit = true; }
  }
  if (span.anyDigit && i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j])) ++j;
      i = j;
    }
  }
  span.end = i;
  return span;
}

// Whether a number that cannot be held is too large (else too small): the
// position of its first significant digit relative to the point, plus its
// exponent, is positive. Only called when the value is out of range, so the
// number has a nonzero digit.
bool ExceedsRange(std::string_view number) {
  long long position = 0;
  bool seenPoint = false, seenSignificant = false;
  std::size_t i = 0;
  for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
    if (number[i] == '.') { seenPoint = true; continue; }
    if (number[i] != '0') seenSignificant = true;
    if (!seenPoint && seenSignificant) ++position;
    if (seenPoint && !seenSignificant) --position;
  }
  long long exponent = 0;
  bool exponentNegative = false;
  if (i < number.size()) {
    ++i;
    if (i < number.size() && (number[i] == '+' || number[i] == '-')) exponentNegative = number[i++] == '-';
    for (; i < number.size(); ++i)
      exponent = std::min(exponent * 10 + (number[i] - '0'), 1'000'000'000LL);
  }
  return position + (exponentNegative ? -exponent : exponent) > 0;
}

// The value of a plain decimal number of at most 15 significant digits and a
// small power of ten, such as "5.43" or ".80": the digits and the power are
// exact Doubles, so one multiplication or division rounds correctly. Else
// nothing, and the general reader takes over.
std::optional<double> ExactlyRounded(std::string_view number) {
  static constexpr double kPowers[] = {1,    1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                       1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  std::uint64_t digits = 0;
  int significant = 0, decimals = 0;
  bool afterPoint = false;
  for (char c : number) {
    if (c == '.') { afterPoint = true; continue; }
    if (!IsDigit(c)) return std::nullopt;  // an exponent: leave it to the general reader
    if (digits == 0 && c == '0') {
      if (afterPoint) ++decimals;
      continue;
    }
    if (++significant > 15) return std::nullopt;
    digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
    if (afterPoint) ++decimals;
  }
  if (decimals >= static_cast<int>(std::size(kPowers))) return std::nullopt;
  return static_cast<double>(digits) / kPowers[decimals];
}

void AppendSign(std::string& out, bool negative, bool explicitSign) {
  if (negative) out += '-';
  else if (explicitSign) out += '+';
}

// The Double nearest to |value| * 10^decimals rounded to a whole number, ties to
// even, when that is exact (below 2^52); else nothing.
std::optional<std::uint64_t> ScaledUnits(double magnitude, int decimals) {
  static constexpr double kPowers[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
  if (decimals >= static_cast<int>(std::size(kPowers))) return std::nullopt;
  const double power = kPowers[decimals];
  const double scaled = magnitude * power;
  if (!(scaled < 0x1p52)) return std::nullopt;
  // scaled is the nearest Double to the exact product, and half-way points are
  // representable at this size: the nearest whole number is in doubt only when
  // scaled is one, and then the exact product's remainder decides.
  auto units = static_cast<std::uint64_t>(scaled);
  const double fraction = scaled - static_cast<double>(units);
  if (fraction > 0.5) {
    ++units;
  } else if (fraction == 0.5) {
    const double remainder = std::fma(magnitude, power, -scaled);
    if (remainder > 0 || (remainder == 0 && units % 2 == 1)) ++units;
  }
  return units;
}

// The decimal digits of |value| with the given number of decimals, correctly
// rounded from the binary value: whole part "123" and fraction "4500".
struct Digits {
  std::string_view whole, fraction;
};

Digits FixedDigits(double magnitude, int decimals, std::array<char, 400>& buffer) {
  char* const end = buffer.data() + buffer.size();
  if (auto units = ScaledUnits(magnitude, decimals)) {
    char* begin = end;
    for (int place = 0; place < decimals; ++place, *units /= 10) *--begin = static_cast<char>('0' + *units % 10);
    char* const point = begin;
    do *--begin = static_cast<char>('0' + *units % 10); while ((*units /= 10) > 0);
    return {{begin, static_cast<std::size_t>(point - begin)}, {point, static_cast<std::size_t>(decimals)}};
  }
  const char* last = std::to_chars(buffer.data(), end, magnitude, std::chars_format::fixed, decimals).ptr;
  const std::string_view digits(buffer.data(), static_cast<std::size_t>(last - buffer.data()));
  const std::size_t point = std::min(digits.find('.'), digits.size());
  return {digits.substr(0, point), digits.substr(std::min(point + 1, digits.size()))};
}

void AppendFinite(std::string& out, double value, const NumberPattern& p) {
  std::array<char, 400> buffer;  // the largest Double has 309 digits
  auto [whole, fraction] = FixedDigits(std::fabs(value), p.decimals, buffer);
  const bool roundsToZero = whole.find_first_not_of('0') == std::string_view::npos &&
                            fraction.find_first_not_of('0') == std::string_view::npos;

  whole.remove_prefix(std::min(whole.find_first_not_of('0'), whole.size()));  // a 0 is not significant
  while (fraction.size() > static_cast<std::size_t>(p.decimalsRequired) && fraction.back() == '0')
    fraction.remove_suffix(1);
  // A number is never blank: when neither a whole digit nor a decimal is
  // left, its one digit shows ("##" of 0 gives "0", as "#.0000" of 0.05 gives ".0500").
  const std::size_t required = std::max(p.integerRequired, whole.empty() && fraction.empty() ? 1 : 0);
  const std::size_t zeros = required - std::min<std::size_t>(required, whole.size());

  const bool sign = (value < 0 && !roundsToZero) || p.explicitSign;
  const std::size_t length = sign + zeros + whole.size() + (fraction.empty() ? 0 : 1 + fraction.size());

  // One resize, then the characters written in place.
  const std::size_t start = out.size();
  out.resize(start + length);
  char* at = out.data() + start;
  if (sign) *at++ = value < 0 && !roundsToZero ? '-' : '+';
  at = std::fill_n(at, zeros, '0');
  at = std::copy(whole.begin(), whole.end(), at);
  if (!fraction.empty()) {
    *at++ = '.';
    std::copy(fraction.begin(), fraction.end(), at);
  }
}

}  // namespace

double Val(std::string_view text) {
  NumberSpan span = ScanNumber(text);
  if (!span.anyDigit) return 0;
  std::string_view number = text.substr(span.mantissaBegin, span.end - span.mantissaBegin);
  double magnitude = 0;
  if (auto exact = ExactlyRounded(number)) {
    magnitude = *exact;
  } else {
    auto result = std::from_chars(number.data(), number.data() + number.size(), magnitude,
                                  std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range)
      magnitude = ExceedsRange(number) ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return span.negative ? -magnitude : magnitude;
}

std::string Str(Integer value) { return std::to_string(value); }

std::string Str(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Inf" : "Inf";
  std::array<char, 32> buffer{};
  auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), result.ptr);
}

void AppendFormat(std::string& out, double value, const NumberPattern& p) {
  if (!p.prefix.empty()) out += p.prefix;
  if (std::isnan(value)) {
    out += "NaN";
  } else if (std::isinf(value)) {
    AppendSign(out, value < 0, p.explicitSign);
    out += "Inf";
  } else {
    AppendFinite(out, value, p);
  }
  if (!p.suffix.empty()) out += p.suffix;
}

std::string Format(double value, std::string_view pattern) {
  std::string out;
  AppendFormat(out, value, pattern);
  return out;
}

std::string NthField(std::string_view text, std::string_view separator, Integer n) {
  if (n < 1) return "";
  if (separator.empty()) return n == 1 ? std::string(text) : "";
  std::size_t begin = 0;
  for (Integer field = 1; field < n; ++field) {
    std::size_t found = text.find(separator, begin);
    if (found == std::string_view::npos) return "";
    begin = found + separator.size();
  }
  return std::string(text.substr(begin, text.find(separator, begin) - begin));
}

std::string ReplaceLineEndings(std::string_view text, std::string_view ending) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t begin = 0; begin < text.size();) {
    std::size_t found = begin;
    while (found < text.size() && text[found] != '\r' && text[found] != '\n') ++found;
    out.append(text.substr(begin, found - begin));
    if (found == text.size()) break;
    out += ending;
    const bool crLf = text[found] == '\r' && found + 1 < text.size() && text[found + 1] == '\n';
    begin = found + (crLf ? 2 : 1);
  }
  return out;
}

Integer Len(std::string_view text) {
  Integer count = 0;
  for (std::size_t at = 0; at < text.size(); at += CharacterSize(text.substr(at))) ++count;
  return count;
}

std::string Right(std::string_view text, Integer n) {
  if (n <= 0) return "";
  // Characters are only known from the front: skip all but the last n.
  std::size_t begin = 0;
  for (Integer skip = Len(text) - n; skip > 0; --skip) begin += CharacterSize(text.substr(begin));
  return std::string(text.substr(begin));
}

std::string Chr(Integer code) {
  if (code < 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return "";
  auto byte = [](Integer bits) { return static_cast<char>(bits); };
  if (code < 0x80) return std::string(1, byte(code));
  if (code < 0x800) return {byte(0xC0 | (code >> 6)), byte(0x80 | (code & 0x3F))};
  if (code < 0x10000)
    return {byte(0xE0 | (code >> 12)), byte(0x80 | ((code >> 6) & 0x3F)), byte(0x80 | (code & 0x3F))};
  return {byte(0xF0 | (code >> 18)), byte(0x80 | ((code >> 12) & 0x3F)),
          byte(0x80 | ((code >> 6) & 0x3F)), byte(0x80 | (code & 0x3F))};
}

Integer Asc(std::string_view text) {
  if (text.empty()) return 0;
  const auto lead = static_cast<unsigned char>(text[0]);
  const std::size_t size = CharacterSize(text);
  if (size == 1) return lead;
  Integer code = lead & (0x7F >> size);
  for (std::size_t i = 1; i < size; ++i) code = (code << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
  return code;
}

double Round(double x) { return std::round(x); }

Integer Truncate(double x) noexcept {
  constexpr double kTwoTo63 = 9223372036854775808.0;
  if (std::isnan(x)) return 0;
  if (x >= kTwoTo63) return std::numeric_limits<Integer>::max();
  if (x < -kTwoTo63) return std::numeric_limits<Integer>::min();
  return static_cast<Integer>(x);
}

}  // namespace fw
