#include <gtest/gtest.h>

#include <string>

#include "tests/unit/scree_fixture.h"

namespace {

// The whole report of a small run, character for character.
TEST(Report, WholeTextForFiveVariables) {
  ScreeRun run;
  ASSERT_TRUE(run.Run("5", "4\r\n2.5\r\n1\r\n.5\r\n.25"));
  const std::string rule(44, '=');
  const std::string expected =
      "\r\n"
      "Quarnel: the standard error scree test\r\n"
      "Date: 12/10/26  9:41 AM\r\n"
      "\r\n" +
      rule + "\r\n" +
      "Order   Eigenvalue      SE      Factor*\r\n" +
      rule + "\r\n" +
      "  1      +4.0000       0.5553   nontrivial\r\n"
      "  2      +2.5000       0.4576   nontrivial\r\n"
      "  3      +1.0000       0.1021   trivial\r\n" +
      rule + "\r\n" +
      "*Critical value = .2000 (2 factors)\r\n";
  EXPECT_EQ(run.report, expected);
  EXPECT_EQ(run.reports, 1);
}

TEST(Report, ShapeForEveryV) {
  for (int v : {3, 4, 9, 10, 11, 12, 50, 99}) {
    std::string text;
    for (int i = v; i >= 1; --i) text += std::to_string(i) + ".5\n";
    ScreeRun run;
    ASSERT_TRUE(run.Run(std::to_string(v), text));
    const auto lines = ReportLines(run.report);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(v + 7)) << v;
    EXPECT_EQ(run.report.substr(0, 2), "\r\n");
    EXPECT_EQ(run.report.substr(run.report.size() - 2), "\r\n");
    EXPECT_EQ(run.report.find('\n', 0), 1u);
    for (std::size_t at = 0; (at = run.report.find('\n', at + 1)) != std::string::npos;)
      EXPECT_EQ(run.report[at - 1], '\r');
    EXPECT_EQ(lines[4], std::string(44, '=')) << v;
    EXPECT_EQ(lines[5], "Order   Eigenvalue      SE      Factor*");
    EXPECT_EQ(lines[6], std::string(44, '='));
    EXPECT_EQ(lines[v + 5], std::string(44, '='));
    for (int k = 1; k <= v - 2; ++k) {
      const std::string& row = lines[6 + k];
      EXPECT_EQ(row.substr(0, 3), (k < 10 ? "  " : k < 100 ? " " : "") + std::to_string(k));
      EXPECT_EQ(row[15], '0') << row;           // eigenvalue ends in the 16th character
      EXPECT_EQ(row.substr(24, 5).find('.'), 0u) << row;  // SE ends in the 29th: "x.xxxx"
      EXPECT_EQ(row.substr(29, 3), "   ");
      EXPECT_TRUE(row.substr(32) == "trivial" || row.substr(32) == "nontrivial") << row;
    }
  }
}

}  // namespace
