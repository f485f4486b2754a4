// The help text file (resources/help/description.txt) exactly as it stands,
// built into the program so that the window needs no file at run time.
#pragma once

#include <string_view>

std::string_view HelpTextFileBytes();
