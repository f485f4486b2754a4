// Whether Qt can start its platform (the window system) for this run, asked
// before the application is made: Qt ends the process at once where it
// cannot, before the program could say why.
#pragma once

// Qt's own choice from the command line and the environment decides (its
// list of platforms, each tried in turn), so the answer is Qt's, whatever
// the platform. Qt's reasons for a refusal go to stderr.
bool QtPlatformCanStart(int argc, char** argv);
