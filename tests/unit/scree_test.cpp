#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "framework/text/text.h"
#include "tests/unit/scree_fixture.h"

namespace {

TEST(WorkedExample, StandardErrorsSlopesAndCount) {
  ScreeRun run;
  ASSERT_TRUE(run.Run("20", kWorkedExample));
  EXPECT_TRUE(run.messages.empty());
  const char* expected[] = {"0.8662", "0.4854", "0.3670", "0.3113", "0.2502", "0.1915",
                            "0.0870", "0.0127", "0.0074", "0.0055", "0.0058", "0.0060",
                            "0.0054", "0.0058", "0.0061", "0.0061", "0.0071", "0.0041"};
  for (int k = 1; k <= 18; ++k)
    EXPECT_EQ(fw::Format(run.results.gArray.at(k, 3), "#0.0000"), expected[k - 1]) << "step " << k;
  EXPECT_EQ(run.results.gCV, 7);
  EXPECT_NEAR(run.results.gArray.at(1, 4), -0.1735, 5e-5);
  EXPECT_NEAR(run.results.gArray.at(1, 5), 2.8219, 5e-5);
  EXPECT_NEAR(run.results.gArray.at(7, 4), -0.0337, 5e-5);
  EXPECT_NEAR(run.results.gArray.at(7, 5), 0.7790, 5e-5);
}

TEST(WorkedExample, ResultsRecord) {
  ScreeRun run;
  ASSERT_TRUE(run.Run("20", kWorkedExample));
  const ResultsTable& table = run.results.gArray;
  EXPECT_EQ(run.results.gN, 20);
  EXPECT_EQ(run.results.dirty, "y");
  EXPECT_EQ(table.RowBound(), 20);
  EXPECT_EQ(table.ColumnBound(), 5);
  for (int column = 0; column <= 5; ++column) EXPECT_EQ(table.at(0, column), 0) << column;
  for (int row = 1; row <= 20; ++row) {
    EXPECT_EQ(table.at(row, 0), 0);
    EXPECT_EQ(table.at(row, 1), row);
  }
  EXPECT_EQ(table.at(1, 2), 5.43);
  EXPECT_EQ(table.at(19, 2), 0.18);
  EXPECT_EQ(table.at(20, 2), 0.15);
  for (int row : {19, 20})
    for (int column = 3; column <= 5; ++column) EXPECT_EQ(table.at(row, column), 0);
}

TEST(WorkedExample, RowsAndClosingLine) {
  ScreeRun run;
  ASSERT_TRUE(run.Run("20", kWorkedExample));
  const auto lines = ReportLines(run.report);
  ASSERT_EQ(lines.size(), 27u);
  EXPECT_EQ(lines[7], "  1      +5.4300       0.8662   nontrivial");
  EXPECT_EQ(lines[14], "  8      +0.4600       0.0127   trivial");
  EXPECT_EQ(lines[16], " 10      +0.3700       0.0055   trivial");
  EXPECT_EQ(lines[26], "*Critical value = .0500 (7 factors)");
}

TEST(WorkedExample, CallsInOrderAndTheRecordWrittenOnlyAfterTheReport) {
  ScreeRun run;
  run.results.dirty = "";
  CalculateScree(
      "4", "1\r\n\r\n3", [&](const std::string&) { run.events.push_back("message"); },
      [&] {
        run.events.push_back("clock");
        EXPECT_EQ(run.results.gN, 4);
        EXPECT_EQ(run.results.gArray.RowBound(), 4);
        return ShortDateTime{};
      },
      [&](const std::string&) {
        run.events.push_back("report");
        EXPECT_EQ(run.results.gCV, fw::Truncate(run.results.gCV));
        EXPECT_EQ(run.results.dirty, "");
        EXPECT_EQ(run.results.gArray.at(1, 1), 0);  // rows come last
      },
      run.results);
  EXPECT_EQ(run.events, (std::vector<std::string>{"message", "message", "clock", "report"}));
  EXPECT_EQ(run.results.dirty, "y");
  EXPECT_EQ(run.results.gArray.at(4, 1), 4);
}

// The count is made afresh by every run and is in the record before the
// report is delivered (the date line is taken before it is counted).
TEST(FactorCount, EachCompletedRunCountsAfreshBeforeItsReportIsDelivered) {
  struct Case { std::string variables; std::string eigenvalues; double factors; };
  const Case cases[] = {{"20", kWorkedExample, 7}, {"5", "4\n2.5\n1\n.5\n.25", 2}, {"4", "1\n1\n1\n1", 0},
                        {"20", kWorkedExample, 7}};
  Module1 results;
  results.gCV = 42;
  for (const Case& c : cases) {
    const double before = results.gCV;
    double atClock = -1, atReport = -1;
    ASSERT_TRUE(CalculateScree(
        c.variables, c.eigenvalues, [](const std::string&) {},
        [&] { atClock = results.gCV; return ShortDateTime{}; },
        [&](const std::string&) { atReport = results.gCV; }, results));
    EXPECT_EQ(atClock, before) << c.variables;
    EXPECT_EQ(atReport, c.factors) << c.variables;
    EXPECT_EQ(results.gCV, c.factors) << c.variables;
  }
}

TEST(Module1, StartsEmptyWithAHundredByFourTable) {
  Module1 fresh;
  EXPECT_EQ(fresh.dirty, "");
  EXPECT_EQ(fresh.gN, 0);
  EXPECT_EQ(fresh.gCV, 0);
  EXPECT_EQ(fresh.newlinecolor, 0);
  EXPECT_EQ(fresh.gArray.RowBound(), 99);
  EXPECT_EQ(fresh.gArray.ColumnBound(), 3);
  EXPECT_EQ(fresh.gArray.at(99, 3), 0);
  EXPECT_THROW(fresh.gArray.at(100, 0), std::out_of_range);
  EXPECT_THROW(fresh.gArray.at(0, 4), std::out_of_range);
  EXPECT_THROW(fresh.gArray.at(-1, 0), std::out_of_range);
  fresh.gArray.Redim(-1, -1);
  EXPECT_EQ(fresh.gArray.RowBound(), -1);
  EXPECT_FALSE(fresh.gArray.Contains(0, 0));
  EXPECT_EQ(&module1(), &module1());
}

TEST(VariablesRange, RefusedTextsWriteNothing) {
  for (const char* text : {"2", "100", "", "abc", "-5", "1e400", "nan", "2.99", "99.9e1"}) {
    ScreeRun run;
    run.results.dirty = "y";
    run.results.gCV = 4;
    run.results.gN = 12;
    EXPECT_FALSE(run.Run(text, kWorkedExample)) << text;
    EXPECT_EQ(run.messages, std::vector<std::string>{"Variables must range from 3-99"}) << text;
    EXPECT_EQ(run.reports, 0);
    EXPECT_EQ(run.results.gN, 12);
    EXPECT_EQ(run.results.gCV, 4);
    EXPECT_EQ(run.results.dirty, "y");
    EXPECT_EQ(run.results.gArray.RowBound(), 99);
  }
}

TEST(VariablesRange, FractionsTruncateAndTheEndsAreAccepted) {
  ScreeRun five;
  ASSERT_TRUE(five.Run("5.9", "5\r\n4\r\n3\r\n2\r\n1"));
  EXPECT_EQ(five.results.gN, 5);
  ScreeRun three;
  ASSERT_TRUE(three.Run("3", "3\r\n2\r\n1"));
  EXPECT_EQ(ReportLines(three.report).size(), 10u);
  EXPECT_EQ(three.results.gArray.RowBound(), 3);
  ScreeRun ninetyNine;
  std::string text;
  for (int i = 99; i >= 1; --i) text += std::to_string(i * i) + "\n";
  ASSERT_TRUE(ninetyNine.Run("99", text));
  const auto lines = ReportLines(ninetyNine.report);
  ASSERT_EQ(lines.size(), 106u);
  EXPECT_EQ(lines[105].substr(0, 24), "*Critical value = .0101 ");
  EXPECT_EQ(lines[103].substr(0, 3), " 97");
}

TEST(NoEigenvalues, StopsAfterResettingTheTableForTheNewV) {
  ScreeRun run;
  ASSERT_TRUE(run.Run("20", kWorkedExample));
  run.messages.clear();
  run.report.clear();
  EXPECT_FALSE(run.Run("8", ""));
  EXPECT_EQ(run.messages, std::vector<std::string>{"No Eigenvalues."});
  EXPECT_EQ(run.reports, 1);
  EXPECT_EQ(run.results.gN, 8);
  EXPECT_EQ(run.results.gArray.RowBound(), 8);
  EXPECT_EQ(run.results.gArray.ColumnBound(), 5);
  for (int row = 0; row <= 8; ++row)
    for (int column = 0; column <= 5; ++column) EXPECT_EQ(run.results.gArray.at(row, column), 0);
  EXPECT_EQ(run.results.gCV, 7);
  EXPECT_EQ(run.results.dirty, "y");
}

TEST(EmptyLines, OneMessagePerEmptyOrMissingLineInOrder) {
  ScreeRun run;
  ASSERT_TRUE(run.Run("6", "1\n\n3"));
  EXPECT_EQ(run.messages, (std::vector<std::string>{"Please check the accuracy of Eigenvalue # 2.",
                                                    "Please check the accuracy of Eigenvalue # 4.",
                                                    "Please check the accuracy of Eigenvalue # 5.",
                                                    "Please check the accuracy of Eigenvalue # 6."}));
  EXPECT_EQ(run.results.gArray.at(2, 2), 0);
  EXPECT_EQ(run.results.gArray.at(3, 2), 3);
}

TEST(EmptyLines, OnlyLineBreaksGiveZeroFactors) {
  ScreeRun run;
  ASSERT_TRUE(run.Run("5", "\r\n\r\n"));
  EXPECT_EQ(run.messages.size(), 5u);
  const auto lines = ReportLines(run.report);
  for (int row = 7; row <= 9; ++row)
    EXPECT_EQ(lines[row].substr(4), "     +0.0000       0.0000   trivial");
  EXPECT_EQ(lines.back(), "*Critical value = .2000 (0 factors)");
}

// Only a text with no character at all stops the run; a line that holds
// anything, even blanks or a byte that is no character on its own, is read
// without a message (as 0 when it spells no number).
TEST(EmptyLines, ALineThatHoldsAnythingIsNotEmpty) {
  struct Case { const char* text; std::vector<std::string> messages; };
  const Case cases[] = {
      {"\x80", {"Please check the accuracy of Eigenvalue # 2.", "Please check the accuracy of Eigenvalue # 3."}},
      {"   \n2\n1", {}},
      {"3\n \n1", {}},
      {"3\n\t\n\x80\xBF", {}},
  };
  for (const Case& c : cases) {
    ScreeRun run;
    ASSERT_TRUE(run.Run("3", c.text)) << c.text;
    EXPECT_EQ(run.messages, c.messages) << c.text;
    EXPECT_EQ(run.reports, 1);
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(run.results.gArray.at(i, 2), fw::Val(fw::NthField(c.text, "\n", i)));
  }
}

TEST(Lines, ExtraLinesIgnoredAndEveryEndingReadAlike) {
  const char* texts[] = {"4\r3\r2.5\r1", "4\n3\n2.5\n1", "4\r\n3\n2.5\r1", "4\n3\n2.5\n1\n99\n\n"};
  ScreeRun reference;
  ASSERT_TRUE(reference.Run("4", "4\r\n3\r\n2.5\r\n1"));
  for (const char* text : texts) {
    ScreeRun run;
    ASSERT_TRUE(run.Run("4", text));
    EXPECT_TRUE(run.messages.empty()) << text;
    EXPECT_EQ(run.report, reference.report) << text;
  }
}

TEST(Label, AStandardErrorEqualToTheCriticalValueCounts) {
  // v = 8: step 3 fits x = 3..8 to r * (1, -1, 0, 0, -1, 1), which is orthogonal to
  // both 1 and x, so slope and intercept are 0 and SE = sqrt(4 r^2 / 4) = r exactly.
  struct Case { const char* r; const char* label; double factorsFromStep3; };
  const Case cases[] = {{"0.125", "nontrivial", 1}, {"0.1249", "trivial", 0}};
  for (const Case& c : cases) {
    const std::string r = c.r, minus = "-" + r;
    ScreeRun run;
    ASSERT_TRUE(run.Run("8", "0\n0\n" + r + "\n" + minus + "\n0\n0\n" + minus + "\n" + r));
    EXPECT_EQ(run.results.gArray.at(3, 3), fw::Val(c.r));
    const std::string row = ReportLines(run.report)[9];
    EXPECT_EQ(row.substr(row.size() - std::string(c.label).size()), c.label) << row;
  }
}

TEST(Label, NotANumberIsTrivialAndPrintsClearly) {
  ScreeRun run;
  ASSERT_TRUE(run.Run("4", "1e308\n1e308\n-1e308\n1e400"));
  const auto lines = ReportLines(run.report);
  for (int row = 7; row <= 8; ++row) {
    EXPECT_NE(lines[row].find("NaN   trivial"), std::string::npos) << lines[row];
    EXPECT_EQ(lines[row].size(), 39u) << lines[row];
  }
  EXPECT_EQ(lines.back(), "*Critical value = .2500 (0 factors)");
}

TEST(Label, ALateNontrivialStepCountsAndOneFactorSaysFactors) {
  // Steps 1 to 3 fall below 1/6, step 4 (the last three points) does not.
  ScreeRun run;
  ASSERT_TRUE(run.Run("6", "0.1\n-0.1\n0.1\n0\n0.3\n0.1"));
  const auto lines = ReportLines(run.report);
  for (int row = 7; row <= 9; ++row) EXPECT_EQ(lines[row].substr(lines[row].size() - 8), " trivial");
  EXPECT_EQ(lines[10].substr(lines[10].size() - 10), "nontrivial");
  EXPECT_EQ(run.results.gCV, 1);
  EXPECT_EQ(lines.back(), "*Critical value = .1667 (1 factors)");
}

TEST(Cells, AnOverlongEigenvalueLosesItsLeftEnd) {
  ScreeRun run;
  ASSERT_TRUE(run.Run("5", "9\n8\n1234567\n1\n1"));
  EXPECT_EQ(run.report.find("+1234567.0000"), std::string::npos);
  EXPECT_EQ(ReportLines(run.report)[9].substr(0, 16), "  3 1234567.0000");
}

TEST(SecondCalculate, TheReportIsReadAsEigenvalueText) {
  ScreeRun run;
  ASSERT_TRUE(run.Run("20", kWorkedExample));
  const std::string first = run.report;
  run.messages.clear();
  ASSERT_TRUE(run.Run("20", first));
  ASSERT_GE(run.messages.size(), 2u);
  EXPECT_EQ(run.messages[0], "Please check the accuracy of Eigenvalue # 1.");
  EXPECT_EQ(run.messages[1], "Please check the accuracy of Eigenvalue # 4.");
  // Line 8, the first row, reads as its step number.
  EXPECT_EQ(run.results.gArray.at(8, 2), 1);
}

TEST(BadInput, LargeAndBinaryTextsGiveDefinedResults) {
  std::string big(1 << 20, 'x');
  big[1000] = '\0';
  ScreeRun run;
  ASSERT_TRUE(run.Run("99", big));
  EXPECT_EQ(run.messages.size(), 98u);  // line 1 is the whole text, the rest are missing
  std::string utf8 = "\xC3\xA9\xE2\x82\xAC\n-0\n1e-400\n\xFF\xFE\n12";
  ScreeRun other;
  ASSERT_TRUE(other.Run("5", utf8));
  EXPECT_EQ(ReportLines(other.report).size(), 12u);
}

}  // namespace
