// Each of start-up's own steps (those of core/app/startup.h, and the Menu
// constructor) names itself to the probe before it runs; a test installs one
// to watch the order or make a step fail. None is installed in the program.
#pragma once

#include <functional>
#include <string_view>

using StartupProbe = std::function<void(std::string_view step)>;
void SetStartupProbe(StartupProbe probe);
void StartupStep(std::string_view step);
