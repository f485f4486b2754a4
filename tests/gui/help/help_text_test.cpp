// The help text as the window holds it: its line endings, its parts in
// order, and the worked example, whose report block must match its fixed
// layout character for character and whose numbers must be what the scree
// calculation gives for the same eigenvalues.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/calc/module1.h"
#include "core/calc/scree.h"
#include "framework/text/text.h"
#include "help/description_wnd.h"
#include "tests/support/report_lines.h"
#include "tests/support/worked_example.h"

using testing::ElementsAreArray;

namespace {

// Index of the first line equal to text at or after from; fails the test if none.
std::size_t IndexOf(const std::vector<std::string>& lines, const std::string& text,
                    std::size_t from = 0) {
  auto found = std::find(lines.begin() + static_cast<long>(from), lines.end(), text);
  EXPECT_NE(found, lines.end()) << "no line \"" << text << "\"";
  return static_cast<std::size_t>(found - lines.begin());
}

struct ExampleRow {
  int order;
  std::string eigenvalue, se, factor;
};

const std::vector<ExampleRow> kRows = {
    {1, "+5.4300", "0.8662", "nontrivial"}, {2, "+3.1100", "0.4854", "nontrivial"},
    {3, "+2.2400", "0.3670", "nontrivial"}, {4, "+1.8900", "0.3113", "nontrivial"},
    {5, "+1.5200", "0.2502", "nontrivial"}, {6, "+1.2900", "0.1915", "nontrivial"},
    {7, "+0.8000", "0.0870", "nontrivial"}, {8, "+0.4600", "0.0127", "trivial"},
    {9, "+0.4100", "0.0074", "trivial"},    {10, "+0.3700", "0.0055", "trivial"},
    {11, "+0.3500", "0.0058", "trivial"},   {12, "+0.3300", "0.0060", "trivial"},
    {13, "+0.3000", "0.0054", "trivial"},   {14, "+0.2800", "0.0058", "trivial"},
    {15, "+0.2500", "0.0061", "trivial"},   {16, "+0.2400", "0.0061", "trivial"},
    {17, "+0.2100", "0.0071", "trivial"},   {18, "+0.2000", "0.0041", "trivial"},
};

// Writes text into line so that it begins in that column (from 1).
void PutAt(std::string& line, std::size_t column, const std::string& text) {
  if (line.size() < column - 1) line.resize(column - 1, ' ');
  line += text;
}

// Rows 1 to 9 put their fields in columns 3, 11, 25 and 34; rows 10 to 18
// begin each field one column further left.
std::string RowLine(const ExampleRow& row) {
  std::size_t left = row.order >= 10 ? 1 : 0;
  std::string line;
  PutAt(line, 3 - left, std::to_string(row.order));
  PutAt(line, 11 - left, row.eigenvalue);
  PutAt(line, 25 - left, row.se);
  PutAt(line, 34 - left, row.factor);
  return line;
}

std::vector<std::string> ExpectedBlock() {
  const std::string rule(32, '=');
  std::string header;
  PutAt(header, 1, "Order");
  PutAt(header, 9, "Eigenvalue");
  PutAt(header, 25, "SE");
  PutAt(header, 35, "Factor*");
  std::vector<std::string> block = {rule, header, rule};
  for (const auto& row : kRows) block.push_back(RowLine(row));
  block.push_back(rule);
  block.push_back("*Critical value = 0.0500 (7 factors)");
  return block;
}

TEST(HelpText, IsPlainAsciiWithCrLfBetweenLinesAndNoEndingAfterTheLast) {
  const std::string& text = HelpText();
  ASSERT_GT(text.size(), 1000u);
  EXPECT_TRUE(std::all_of(text.begin(), text.end(),
                          [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      EXPECT_EQ(text[i + 1], '\n') << "lone CR at " << i;
    }
    if (text[i] == '\n') {
      EXPECT_EQ(text[i - 1], '\r') << "lone LF at " << i;
    }
  }
  EXPECT_NE(text.back(), '\n');
  EXPECT_NE(text.back(), '\r');
  EXPECT_EQ(text.substr(0, 9), "Quarnel\r\n");
}

TEST(HelpText, IsTheProjectFileWithItsLineEndingsMadeCrLf) {
  std::ifstream file(HELP_TEXT_FILE, std::ios::binary);
  ASSERT_TRUE(file) << HELP_TEXT_FILE;
  std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::string expected;
  for (char c : bytes) expected += c == '\n' ? std::string("\r\n") : std::string(1, c);
  ASSERT_TRUE(expected.ends_with("\r\n"));
  expected.resize(expected.size() - 2);
  EXPECT_EQ(HelpText(), expected);
}

TEST(HelpText, HasItsPartsInOrder) {
  auto lines = ReportLines(HelpText());
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], "Quarnel");
  EXPECT_EQ(lines[1], "");
  auto operation = IndexOf(lines, "Operation of Program");
  auto example = IndexOf(lines, "Example", operation);
  auto eigenvalues = IndexOf(lines, "Eigenvalues", example);
  auto rules = IndexOf(lines, std::string(32, '='), eigenvalues);
  auto references = IndexOf(lines, "References", rules);
  auto stars = IndexOf(lines, std::string(71, '*'), references);
  // Introduction and method: one paragraph each, each followed by an empty line.
  EXPECT_EQ(operation, 6u);
  EXPECT_EQ(lines[3], "");
  EXPECT_EQ(lines[5], "");
  // Each heading is followed by its paragraph, then an empty line.
  EXPECT_EQ(lines[operation + 2], "");
  EXPECT_EQ(lines[example + 2], "");
  // The eigenvalues, then two empty lines before the report block.
  EXPECT_EQ(std::vector<std::string>(lines.begin() + static_cast<long>(eigenvalues) + 1,
                                     lines.begin() + static_cast<long>(eigenvalues) + 21),
            kWorkedEigenvalues);
  EXPECT_EQ(rules, eigenvalues + 23);
  // After the block: two empty lines, the caution, two empty lines, References.
  auto afterBlock = rules + ExpectedBlock().size();
  EXPECT_EQ(lines[afterBlock], "");
  EXPECT_EQ(lines[afterBlock + 1], "");
  EXPECT_THAT(lines[afterBlock + 2], testing::StartsWith("Caution"));
  EXPECT_EQ(references, afterBlock + 5);
  // Three references, one paragraph each, with an empty line after each.
  std::vector<std::string> between(lines.begin() + static_cast<long>(references) + 1,
                                   lines.begin() + static_cast<long>(stars));
  EXPECT_EQ(std::count_if(between.begin(), between.end(),
                          [](const std::string& l) { return !l.empty(); }),
            3);
  EXPECT_EQ(lines[stars - 1], "");
  // The closing notice is the last line.
  ASSERT_EQ(lines.size(), stars + 2);
  EXPECT_FALSE(lines.back().empty());
}

TEST(HelpText, ExampleBlockMatchesItsLayoutCharacterForCharacter) {
  auto lines = ReportLines(HelpText());
  auto start = IndexOf(lines, std::string(32, '='));
  auto expected = ExpectedBlock();
  ASSERT_LE(start + expected.size(), lines.size());
  std::vector<std::string> block(lines.begin() + static_cast<long>(start),
                                 lines.begin() + static_cast<long>(start + expected.size()));
  EXPECT_THAT(block, ElementsAreArray(expected));
  // The two row shapes as written out in full.
  EXPECT_EQ(expected[1], "Order   Eigenvalue      SE        Factor*");
  EXPECT_EQ(expected[3], "  1       +5.4300       0.8662   nontrivial");
  EXPECT_EQ(expected[12], " 10      +0.3700       0.0055   trivial");
}

TEST(HelpText, ExampleNumbersAreWhatTheCalculationGives) {
  std::string input;
  for (const auto& value : kWorkedEigenvalues) input += value + "\r\n";
  Module1 results;
  std::vector<std::string> messages;
  bool completed = CalculateScree(
      "20", input, [&](const std::string& m) { messages.push_back(m); },
      [] { return ShortDateTime{"1/1/26", "9:00"}; }, [](const std::string&) {}, results);
  ASSERT_TRUE(completed);
  EXPECT_TRUE(messages.empty());
  ASSERT_EQ(results.gN, 20);

  const double critical = 1.0 / 20;
  EXPECT_EQ(fw::Format(critical, "0.0000"), "0.0500");
  for (const auto& row : kRows) {
    SCOPED_TRACE("row " + std::to_string(row.order));
    double se = results.gArray.at(row.order, 3);
    EXPECT_EQ(fw::Format(results.gArray.at(row.order, 2), "+#0.0000"), row.eigenvalue);
    EXPECT_EQ(fw::Format(se, "#0.0000"), row.se);
    EXPECT_EQ(se >= critical ? "nontrivial" : "trivial", row.factor);
  }
  EXPECT_EQ(results.gCV, 7);
}

}  // namespace
