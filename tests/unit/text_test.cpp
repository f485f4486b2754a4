#include "framework/text/text.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <clocale>
#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace {

using fw::Format;
using fw::Val;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(Val, ReadsTheLeadingNumber) {
  struct Case { const char* text; double expected; };
  const Case cases[] = {
      {"5.43", 5.43}, {".80", 0.8}, {"", 0}, {"abc", 0}, {"  7", 7}, {"\t-2.5", -2.5},
      {"+3", 3}, {"5.9", 5.9}, {"1e3", 1000}, {"1E-2x", 0.01}, {"2e", 2}, {"2e+", 2},
      {"12abc", 12}, {"5.", 5}, {".", 0}, {"-", 0}, {"e5", 0}, {"nan", 0}, {"inf", 0},
      {"0x10", 0}, {"1,5", 1}, {"1e-310", 1e-310}, {"1e-400", 0}, {"000123.5000", 123.5},
  };
  for (const Case& c : cases) EXPECT_EQ(Val(c.text), c.expected) << '"' << c.text << '"';
}

TEST(Val, OverflowGivesAnInfinityAndUnderflowZero) {
  EXPECT_EQ(Val("1e400"), kInf);
  EXPECT_EQ(Val("-1e400"), -kInf);
  EXPECT_EQ(Val("1" + std::string(400, '0')), kInf);
  EXPECT_EQ(Val("0." + std::string(400, '0') + "1"), 0.0);
  EXPECT_EQ(Val("1e99999999999999999999999"), kInf);
  EXPECT_EQ(Val("1e-99999999999999999999999"), 0.0);
  EXPECT_TRUE(std::signbit(Val("-0")));
}

TEST(Val, StopsAtANulByte) {
  EXPECT_EQ(Val(std::string_view("12\0" "34", 5)), 12);
}

TEST(Format, ThePatternsOfTheReportAndThePlot) {
  struct Case { double value; const char* pattern; const char* expected; };
  const Case cases[] = {
      {7, "##", "7"}, {18, "##", "18"}, {123, "##", "123"}, {0, "##", "0"}, {0.4, "##", "0"}, {0.6, "##", "1"},
      {5.43, "+#0.0000", "+5.4300"}, {0.8, "+#0.0000", "+0.8000"}, {-0.2, "+#0.0000", "-0.2000"},
      {1234567, "+#0.0000", "+1234567.0000"}, {0, "+#0.0000", "+0.0000"},
      {-0.0, "+#0.0000", "+0.0000"}, {-0.00001, "+#0.0000", "+0.0000"},
      {0.86623, "#0.0000", "0.8662"}, {0.0054956, "#0.0000", "0.0055"}, {0, "#0.0000", "0.0000"},
      {0.05, "#.0000", ".0500"}, {1.0 / 3, "#.0000", ".3333"}, {1.0 / 99, "#.0000", ".0101"},
      {2.5, "#.0000", "2.5000"}, {0, "00", "00"}, {1, "00", "01"}, {123, "00", "123"},
      {0.5, "#.00", ".50"}, {3, "#.00", "3.00"}, {-1.25, "#.00", "-1.25"}, {0, "#.00", ".00"},
      {2.999, "#.00", "3.00"}, {9.99999, "#0.0000", "10.0000"}, {1.5, "#.##", "1.5"},
      {2, "#.##", "2"}, {0, "#.##", "0"}, {0.004, "#.##", "0"}, {7, "Step ##!", "Step 7!"}, {-3, "##", "-3"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Format(c.value, c.pattern), c.expected) << c.value << " by " << c.pattern;
}

TEST(Format, NonNumbersAreClearTexts) {
  EXPECT_EQ(Format(kNaN, "#0.0000"), "NaN");
  EXPECT_EQ(Format(kInf, "#0.0000"), "Inf");
  EXPECT_EQ(Format(kInf, "+#0.0000"), "+Inf");
  EXPECT_EQ(Format(-kInf, "+#0.0000"), "-Inf");
}

TEST(Format, HugeValuesKeepEveryDigit) {
  const std::string text = Format(1e308, "#0.0000");
  EXPECT_EQ(text.size(), 309u + 5u);
  EXPECT_EQ(text.substr(0, 4), "1000");
  EXPECT_EQ(text.substr(text.size() - 5), ".0000");
  EXPECT_EQ(Format(std::numeric_limits<double>::max(), "+#0.0000").size(), 1u + 309u + 5u);
}

TEST(Str, ShortestTexts) {
  EXPECT_EQ(fw::Str(fw::Integer{7}), "7");
  EXPECT_EQ(fw::Str(fw::Integer{-42}), "-42");
  EXPECT_EQ(fw::Str(7.0), "7");
  EXPECT_EQ(fw::Str(0.0), "0");
  EXPECT_EQ(fw::Str(0.05), "0.05");
  EXPECT_EQ(fw::Str(97.0), "97");
  EXPECT_EQ(fw::Str(kNaN), "NaN");
}

TEST(NthField, CountsFromOneAndGivesEmptyPastTheEnd) {
  EXPECT_EQ(fw::NthField("a\r\nb\r\nc", "\r\n", 1), "a");
  EXPECT_EQ(fw::NthField("a\r\nb\r\nc", "\r\n", 3), "c");
  EXPECT_EQ(fw::NthField("a\r\nb\r\nc", "\r\n", 4), "");
  EXPECT_EQ(fw::NthField("a\r\nb\r\nc", "\r\n", 0), "");
  EXPECT_EQ(fw::NthField("a\r\n\r\nc", "\r\n", 2), "");
  EXPECT_EQ(fw::NthField("a\r\n", "\r\n", 2), "");
  EXPECT_EQ(fw::NthField("abc", "", 1), "abc");
}

TEST(ReplaceLineEndings, EveryKindOfEnding) {
  EXPECT_EQ(fw::ReplaceLineEndings("a\rb\nc\r\nd", "\r\n"), "a\r\nb\r\nc\r\nd");
  EXPECT_EQ(fw::ReplaceLineEndings("\n\r\r\n\n\r", "|"), "|||||");  // LF, CR, CR LF, LF, CR
  EXPECT_EQ(fw::ReplaceLineEndings("a\r\nb", "\n"), "a\nb");
  EXPECT_EQ(fw::ReplaceLineEndings("", "\r\n"), "");
}

TEST(Characters, LengthAndRightCountCharactersNotBytes) {
  EXPECT_EQ(fw::Len(""), 0);
  EXPECT_EQ(fw::Len("abc"), 3);
  EXPECT_EQ(fw::Len("\xC3\xA9t\xC3\xA9"), 3);  // été
  EXPECT_EQ(fw::Right("abcdef", 3), "def");
  EXPECT_EQ(fw::Right("ab", 5), "ab");
  EXPECT_EQ(fw::Right("ab", 0), "");
  EXPECT_EQ(fw::Right("x\xC3\xA9", 1), "\xC3\xA9");
  EXPECT_EQ(fw::Chr(13) + fw::Chr(10), "\r\n");
  EXPECT_EQ(fw::Chr(0xE9), "\xC3\xA9");
  EXPECT_EQ(fw::Asc("\xC3\xA9"), 0xE9);
  EXPECT_EQ(fw::Chr(-1), "");
}

// Bytes that do not form a whole UTF-8 sequence are still there: each one is
// a character, so only the empty text has length 0.
TEST(Characters, StrayAndCutOffBytesCountOneEach) {
  struct Case { const char* text; fw::Integer length; const char* last2; fw::Integer code; };
  const Case cases[] = {
      {"\x80", 1, "\x80", 0x80},
      {"\x80\xBF\x80", 3, "\xBF\x80", 0x80},
      {"\xC3", 1, "\xC3", 0xC3},
      {"\xC3" "A", 2, "\xC3" "A", 0xC3},
      {"\xE2\x82", 2, "\xE2\x82", 0xE2},
      {"\xFF\xFE", 2, "\xFF\xFE", 0xFF},
      {"\xC3\xA9\x80", 2, "\xC3\xA9\x80", 0xE9},
      {"\xF0\x9F\x98\x80" "a", 2, "\xF0\x9F\x98\x80" "a", 0x1F600},
      {"\x80" "ab", 3, "ab", 0x80},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(fw::Len(c.text), c.length) << c.text;
    EXPECT_EQ(fw::Right(c.text, 2), c.last2) << c.text;
    EXPECT_EQ(fw::Asc(c.text), c.code) << c.text;
  }
}

TEST(Truncate, TowardZeroAndDefinedEverywhere) {
  struct Case { double x; fw::Integer expected; };
  constexpr auto kMax = std::numeric_limits<fw::Integer>::max();
  constexpr auto kMin = std::numeric_limits<fw::Integer>::min();
  const Case cases[] = {
      {5.9, 5}, {-5.9, -5}, {0.0, 0}, {-0.0, 0}, {kNaN, 0}, {kInf, kMax}, {-kInf, kMin},
      {1e300, kMax}, {-1e300, kMin}, {9223372036854775808.0, kMax},
      {-9223372036854775808.0, kMin}, {9.2233720368547748e18, 9223372036854774784},
  };
  for (const Case& c : cases) EXPECT_EQ(fw::Truncate(c.x), c.expected) << c.x;
}

TEST(Round, NearestWholeNumber) {
  EXPECT_EQ(fw::Round(2.4), 2);
  EXPECT_EQ(fw::Round(2.6), 3);
  EXPECT_EQ(fw::Round(-2.6), -3);
}

// Qt sets the C locale from the environment; a decimal comma there must not
// change one character that is read or written.
TEST(Locale, ADecimalCommaLocaleChangesNothing) {
  const char* names[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8"};
  const char* chosen = nullptr;
  for (const char* name : names)
    if (std::setlocale(LC_ALL, name)) { chosen = name; break; }
  if (!chosen) GTEST_SKIP() << "no decimal comma locale installed";
  EXPECT_EQ(Val("5.43"), 5.43);
  EXPECT_EQ(Val("5,43"), 5);
  EXPECT_EQ(Format(5.43, "+#0.0000"), "+5.4300");
  EXPECT_EQ(Format(0.05, "#.0000"), ".0500");
  EXPECT_EQ(fw::Str(0.05), "0.05");
  std::setlocale(LC_ALL, "C");
}

}  // namespace

namespace {

// The short cuts for common numbers must agree with the general conversions
// to the last bit and the last digit.
TEST(FastPaths, ReadingPlainDecimalsAgreesWithTheGeneralReader) {
  std::mt19937_64 random(1);
  std::uniform_int_distribution<int> digitCount(1, 17), pointAt(0, 24), digit(0, 9);
  for (int trial = 0; trial < 200000; ++trial) {
    std::string text;
    const int digits = digitCount(random), point = pointAt(random);
    for (int i = 0; i < digits; ++i) {
      if (i == point) text += '.';
      text += static_cast<char>('0' + digit(random));
    }
    double expected = 0;
    std::from_chars(text.data(), text.data() + text.size(), expected);
    ASSERT_EQ(fw::Val(text), expected) << text;
  }
}

TEST(FastPaths, FormattingAgreesWithCorrectRounding) {
  std::mt19937_64 random(2);
  std::uniform_real_distribution<double> exponent(-6, 16);
  std::uniform_int_distribution<int> decimals(0, 8), halfTicks(0, 2000000);
  for (int trial = 0; trial < 200000; ++trial) {
    const int places = decimals(random);
    // Every third value is an exact half-way case at its number of decimals.
    const double value = trial % 3 == 0 ? (halfTicks(random) + 0.5) / std::pow(10.0, places)
                                        : std::pow(10.0, exponent(random));
    std::array<char, 400> buffer{};
    char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::fixed, places).ptr;
    std::string expected(buffer.data(), end);
    const std::string pattern = "0" + (places ? "." + std::string(places, '0') : "");
    ASSERT_EQ(Format(value, pattern), expected) << value << " by " << pattern;
  }
}

}  // namespace
