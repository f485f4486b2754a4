#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
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

// Step k's fit over the points (i, y[i]), i = k..v, with every sum and every
// operation in the order the method is written down: any change of order,
// closed form or fused operation in the program shows up in the last bit.
struct Fit {
  double stderr_, slope, intercept;
};

Fit WrittenFit(const std::vector<double>& y, int k, int v) {
  double sx = 0, sy = 0, sxx = 0, sxy = 0;
  for (int i = k; i <= v; ++i) {
    const double x = i;
    sx = x + sx;
    sxx = x * x + sxx;
    sy = y[i] + sy;
    sxy = y[i] * x + sxy;
  }
  const double m = v - k + 1;
  const double meanX = sx / m, meanY = sy / m;
  const double ssx = sxx - (sx * sx) / m;
  const double spxy = sxy - (sy * sx) / m;
  const double slope = spxy / ssx;
  const double intercept = meanY - slope * meanX;
  double ssres = 0;
  for (int i = k; i <= v; ++i) {
    const double residual = y[i] - (i * slope + intercept);
    ssres = residual * residual + ssres;
  }
  return {std::sqrt(ssres / (m - 2)), slope, intercept};
}

// Eigenvalues of several kinds: scree-like, signed decimals, magnitudes from
// 1e-300 to 1e300, and a few small whole numbers (exact fits, repeated values).
std::vector<double> RandomEigenvalues(std::mt19937_64& random, int kind) {
  if (kind == 0) return RandomScree(random);
  std::vector<double> values(std::uniform_int_distribution<int>(3, 99)(random));
  std::uniform_real_distribution<double> signedDecimal(-1000, 1000), exponent(-300, 300);
  std::uniform_int_distribution<int> small(0, 3), sign(0, 1);
  for (double& value : values) {
    if (kind == 1) value = std::round(signedDecimal(random) * 1e4) / 1e4;
    if (kind == 2) value = (sign(random) ? -1 : 1) * std::pow(10.0, exponent(random));
    if (kind == 3) value = small(random);
  }
  return values;
}

std::uint64_t Bits(double x) { return std::bit_cast<std::uint64_t>(x); }

TEST(Fitting, EveryStepIsBitForBitTheWrittenFormulas) {
  std::mt19937_64 random(12);
  for (int trial = 0; trial < 2000; ++trial) {
    const std::vector<double> values = RandomEigenvalues(random, trial % 4);
    const int v = static_cast<int>(values.size());
    ScreeRun run;
    ASSERT_TRUE(run.Run(std::to_string(v), Lines(values)));
    std::vector<double> y(1, 0.0);
    y.insert(y.end(), values.begin(), values.end());
    const ResultsTable& table = run.results.gArray;
    for (int k = 1; k <= v - 2; ++k) {
      ASSERT_EQ(Bits(table.at(k, 2)), Bits(y[k])) << trial << ' ' << k;
      const Fit fit = WrittenFit(y, k, v);
      ASSERT_EQ(Bits(table.at(k, 3)), Bits(fit.stderr_)) << trial << ' ' << k;
      ASSERT_EQ(Bits(table.at(k, 4)), Bits(fit.slope)) << trial << ' ' << k;
      ASSERT_EQ(Bits(table.at(k, 5)), Bits(fit.intercept)) << trial << ' ' << k;
    }
  }
}

}  // namespace
