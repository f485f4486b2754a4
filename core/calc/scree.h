// The standard error scree test: v-2 least-squares fits over shrinking tails
// of the eigenvalues, each step's standard error against the critical value
// 1/v, the count of factors, and the fixed-width report.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/calc/module1.h"
#include "core/version.h"

struct ShortDateTime {
  std::string date;
  std::string time;
};

using MessageFunction = std::function<void(const std::string& text)>;
using ClockFunction = std::function<ShortDateTime()>;
using ReportFunction = std::function<void(const std::string& report)>;

// Runs one calculation without any window. Shows its messages through
// message, in order; asks clock once, for the report's date line; hands the
// finished report to report. Writes results into results. True when the
// calculation completed, false when it stopped with a message.
bool CalculateScree(std::string_view variablesText, std::string_view eigenvalueText,
                    const MessageFunction& message, const ClockFunction& clock,
                    const ReportFunction& report, Module1& results);

// The one-line notice that follows the product word in the report's banner
// (and serves as the program's long version text).
inline constexpr std::string_view kNotice = version::kNotice;
