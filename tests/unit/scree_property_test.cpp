#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "framework/text/text.h"
#include "tests/unit/scree_fixture.h"

namespace {

// Eigenvalue texts with full precision, so that what is read is what was made.
std::string Lines(const std::vector<double>& values) {
  std::string text;
  for (double value : values) text += fw::Str(value) + "\n";
  return text;
}

std::vector<double> StandardErrors(const std::vector<double>& eigenvalues) {
  ScreeRun run;
  EXPECT_TRUE(run.Run(std::to_string(eigenvalues.size()), Lines(eigenvalues)));
  std::vector<double> errors;
  for (std::size_t k = 1; k + 2 <= eigenvalues.size(); ++k) errors.push_back(run.results.gArray.at(k, 3));
  return errors;
}

std::vector<double> RandomScree(std::mt19937_64& random) {
  std::uniform_int_distribution<int> size(3, 99);
  std::exponential_distribution<double> drop(1.5);
  std::vector<double> values(size(random));
  double value = 0.01;
  for (auto it = values.rbegin(); it != values.rend(); ++it) *it = value += drop(random);
  return values;
}

// A linear trend in the eigenvalues is what each step fits away.
TEST(Properties, AddingALineLeavesEveryStandardErrorUnchanged) {
  std::mt19937_64 random(20261210);
  std::uniform_real_distribution<double> coefficient(-3, 3);
  for (int trial = 0; trial < 200; ++trial) {
    const std::vector<double> values = RandomScree(random);
    const double a = coefficient(random), b = coefficient(random);
    std::vector<double> shifted = values;
    for (std::size_t i = 0; i < shifted.size(); ++i) shifted[i] += a + b * static_cast<double>(i + 1);
    const auto before = StandardErrors(values), after = StandardErrors(shifted);
    for (std::size_t k = 0; k < before.size(); ++k)
      EXPECT_NEAR(after[k], before[k], 1e-9 * (1 + std::fabs(a) + 100 * std::fabs(b))) << trial << ' ' << k;
  }
}

TEST(Properties, ScalingTheEigenvaluesScalesEveryStandardError) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> factor(-50, 50);
  for (int trial = 0; trial < 200; ++trial) {
    const std::vector<double> values = RandomScree(random);
    const double c = factor(random);
    std::vector<double> scaled = values;
    for (double& value : scaled) value *= c;
    const auto before = StandardErrors(values), after = StandardErrors(scaled);
    for (std::size_t k = 0; k < before.size(); ++k)
      EXPECT_NEAR(after[k], std::fabs(c) * before[k], 1e-9 * std::fabs(c) * (1 + before[k])) << trial << ' ' << k;
  }
}

// The count depends on the standard errors and 1/v alone, step by step.
TEST(Properties, TheCountIsTheNumberOfStepsAtOrAboveTheCriticalValue) {
  std::mt19937_64 random(99);
  for (int trial = 0; trial < 200; ++trial) {
    const std::vector<double> values = RandomScree(random);
    const auto errors = StandardErrors(values);
    ScreeRun run;
    ASSERT_TRUE(run.Run(std::to_string(values.size()), Lines(values)));
    const double critval = 1.0 / static_cast<double>(values.size());
    double count = 0;
    for (double error : errors) count += error >= critval ? 1 : 0;
    EXPECT_EQ(run.results.gCV, count);
  }
}

}  // namespace
