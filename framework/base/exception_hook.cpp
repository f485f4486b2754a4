#include "framework/base/exception_hook.h"

#include <cxxabi.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "framework/base/services.h"

namespace fw {
namespace {

std::string Demangled(const char* name) {
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> readable(
      abi::__cxa_demangle(name, nullptr, nullptr, &status), std::free);
  return status == 0 && readable ? readable.get() : name;
}

// The class and message of the exception being handled.
std::pair<std::string, std::string> ClassAndMessage(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    return {Demangled(typeid(e).name()), e.what()};
  } catch (...) {
    const std::type_info* type = abi::__cxa_current_exception_type();
    return {type ? Demangled(type->name()) : "unknown", ""};
  }
}

}  // namespace

std::string DescribeException(std::exception_ptr error, std::string_view where) {
  if (!error) return "An unknown failure was not handled in " + std::string(where) + ".";
  auto [type, message] = ClassAndMessage(error);
  std::string text = "An exception of class " + type + " was not handled in " +
                     std::string(where) + ".";
  if (!message.empty()) text += "\n" + message;
  return text;
}

void ReportUnhandledException(std::exception_ptr error, std::string_view where) noexcept {
  try {
    std::string text = DescribeException(error, where);
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
    services().ReportUnhandledException(text);
  } catch (...) {
    // The report itself failed (no memory, a broken display): the stderr line
    // is all that can be done.
    std::fputs("An exception was not handled, and reporting it failed.\n", stderr);
  }
}

}  // namespace fw
