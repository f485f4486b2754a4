// The current moment as the locale writes it in short form (the system
// locale unless the program sets another default).
#pragma once

#include <string>

namespace fw {

class Date {
 public:
  Date();  // now

  std::string ShortDate() const;  // e.g. "12/10/26" or "10.12.26"
  std::string ShortTime() const;  // e.g. "9:41 AM" or "09:41"

 private:
  long long msecsSinceEpoch_;
};

}  // namespace fw
