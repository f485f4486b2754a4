#include "core/app/startup_probe.h"

#include <utility>

namespace {

StartupProbe& Probe() {
  static StartupProbe probe;
  return probe;
}

}  // namespace

void SetStartupProbe(StartupProbe probe) { Probe() = std::move(probe); }

void StartupStep(std::string_view step) {
  if (Probe()) Probe()(step);
}
