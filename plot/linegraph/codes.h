// The graph's codes for where its legend goes and where a gradient
// background starts.
#pragma once

#include "framework/text/text.h"

// SetLegend stores any value: one outside these, made with a cast, is a
// column at the left like Left.
enum class LegendMode : fw::Integer { None = 0, Top = 1, Right = 2, Bottom = 3, Left = 4 };

// The edge a gradient background starts from; any other value, None
// included, draws no background at all.
enum class GradientDirection : fw::Integer { None = 0, Top = 1, Right = 2, Bottom = 3, Left = 4 };
