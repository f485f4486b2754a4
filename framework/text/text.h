// Text and number services of the framework: the small string and number
// vocabulary that the windows, the scree computation and the plot share.
//
// Texts are UTF-8 std::strings; lengths and positions count characters
// (code points), not bytes, and a byte that is not part of a whole UTF-8
// sequence counts as a character of its own. Nothing here reads the C
// locale, so a decimal comma locale changes no character that is parsed or
// formatted.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

using Integer = std::int64_t;

// The number that the text begins with (after leading blanks), e.g. "5.43",
// ".80", "-1e3x"; 0 when the text does not begin with a number. Too large a
// magnitude gives an infinity, too small a one zero.
double Val(std::string_view text);

// Decimal digits of an integer.
std::string Str(Integer value);
// The shortest text that reads back as the same Double: "7", "0.05", "1e+300".
std::string Str(double value);

// A number laid out by a pattern: "#" a digit shown only when significant,
// "0" a digit always shown, "." the decimal point, a leading "+" an explicit
// sign. The value is rounded to the pattern's decimals; a number that would
// show no digit at all shows "0". Other characters are copied where they
// stand before or after the digits. Values that are not
// numbers read "NaN", infinities "Inf" with their sign.
std::string Format(double value, std::string_view pattern);

// A Format pattern taken apart. Made from a literal it is read at compile
// time, which matters to callers that lay out many numbers (the report's
// table). It keeps views into the pattern's text.
struct NumberPattern {
  constexpr NumberPattern(std::string_view text);  // implicit: Format(x, "#.00") reads its pattern here
  std::string_view prefix, suffix;
  bool explicitSign = false;
  int integerRequired = 0;   // "0"s before the point
  int decimals = 0;          // digit places after the point
  int decimalsRequired = 0;  // places up to the last "0" after the point
};

// Format's text appended to out, for callers that build long texts.
void AppendFormat(std::string& out, double value, const NumberPattern& pattern);

// Field n (counted from 1) of text cut at every occurrence of separator;
// the empty text when n is past the last field or below 1.
std::string NthField(std::string_view text, std::string_view separator, Integer n);

// Every line ending of text (CR LF, CR or LF) replaced by ending.
std::string ReplaceLineEndings(std::string_view text, std::string_view ending);

// The last n characters of text, the whole text when it is shorter, "" for n <= 0.
std::string Right(std::string_view text, Integer n);

// The number of characters of text: 0 only for the empty text.
Integer Len(std::string_view text);

// The line ending the framework writes: CR LF on every platform.
inline constexpr std::string_view EndOfLine = "\r\n";

// The one-character text of a character code (encoded as UTF-8), and back.
std::string Chr(Integer code);
Integer Asc(std::string_view text);

// The whole number nearest to x (halves away from zero).
double Round(double x);

// The one way a Double becomes an Integer: truncation toward zero. Values
// that have no Integer form are defined too: NaN gives 0, values beyond the
// Integer range (infinities included) give the nearest end of the range.
Integer Truncate(double x) noexcept;

constexpr NumberPattern::NumberPattern(std::string_view text) {
  auto isPatternChar = [](char c) { return c == '#' || c == '0' || c == '.'; };
  std::size_t i = 0;
  while (i < text.size() && !isPatternChar(text[i]) && text[i] != '+') ++i;
  prefix = text.substr(0, i);
  if (i < text.size() && text[i] == '+') { explicitSign = true; ++i; }
  for (; i < text.size() && (text[i] == '#' || text[i] == '0'); ++i)
    if (text[i] == '0') ++integerRequired;
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && (text[i] == '#' || text[i] == '0'); ++i) {
      ++decimals;
      if (text[i] == '0') decimalsRequired = decimals;
    }
  }
  suffix = text.substr(i);
}

}  // namespace fw
