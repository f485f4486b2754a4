// The exception hook: every event, control-event, timer and menu handler of
// the framework runs through RunGuarded, so an exception that escapes a
// handler is reported (on stderr and through services().ReportUnhandledException)
// and the program goes on with the next event. Nothing ever unwinds into
// Qt's event loop.
//
//   bool handled = fw::RunGuarded("CalculateBtn.Action", [&] { return Handler(); });
//
// Start-up code that catches an exception itself hands it on with
// fw::ReportUnhandledException(std::current_exception(), "start-up").
#pragma once

#include <exception>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace fw {

// Raised where a missing object is used: a control or menu item that is not
// there, a control of another class than asked for.
class NilObjectException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Raised for an index outside a list (a graph's line that is not there).
class OutOfBoundsException : public std::out_of_range {
 public:
  using std::out_of_range::out_of_range;
};

// The report's text: the exception's class and message, and where it escaped.
std::string DescribeException(std::exception_ptr error, std::string_view where);

// Writes the description to stderr and hands it to the installed services.
// Never throws.
void ReportUnhandledException(std::exception_ptr error, std::string_view where) noexcept;

// Runs the handler; an exception that escapes it is reported and the result
// is a default value (false for the Boolean handlers: the event is not consumed).
template <class Handler>
auto RunGuarded(std::string_view where, Handler&& handler) noexcept
    -> std::invoke_result_t<Handler> {
  using Result = std::invoke_result_t<Handler>;
  try {
    return std::forward<Handler>(handler)();
  } catch (...) {
    ReportUnhandledException(std::current_exception(), where);
  }
  if constexpr (!std::is_void_v<Result>) return Result{};
}

}  // namespace fw
