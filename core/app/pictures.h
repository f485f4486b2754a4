// The two pictures the windows show: the logo (main window and About window)
// and the help icon (main window). Each is read from its file on first use
// and kept for the rest of the run; while a read gives nothing, every later
// use reads the file again, so a picture that appears later is still shown.
#pragma once

#include <memory>

#include "framework/graphics/graphics.h"

// The logo, from "Quarnel.tiff"; empty while the file cannot be read.
std::shared_ptr<fw::Picture> Quarnel();
// The help icon, from "Vered68 copy.png"; empty while the file cannot be read.
std::shared_ptr<fw::Picture> Vered68copy();

// The module's initialiser: nothing read yet. Start-up runs it first.
void ForgetPictures();
