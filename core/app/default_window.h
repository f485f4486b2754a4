// The splash and About window as start-up and the About items reach it.
#pragma once

// Creates the first window of the run, which shows itself.
void MakeDefaultWindow();

// Shows the one About window, creating it when none exists.
void ShowAboutWindow();
