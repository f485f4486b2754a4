// The gradient background: a run of one-pixel lines from one edge of the
// picture, each a step further from the start colour toward the end colour.
#pragma once

#include "framework/graphics/color.h"
#include "framework/text/text.h"
#include "plot/linegraph/codes.h"

struct PassRange {
  fw::Integer first = 0;
  fw::Integer last = -1;   // empty when last < first
};

struct GradientLine {
  double x1, y1, x2, y2;
};

class Gradient {
 public:
  // A direction other than the four edges draws nothing. w and h are the
  // graph's size.
  Gradient(fw::Color top, fw::Color bottom, GradientDirection direction, fw::Integer w,
           fw::Integer h);

  // The passes 0..n whose line falls on a picture of this size.
  PassRange VisiblePasses(fw::Integer pictureWidth, fw::Integer pictureHeight) const;
  // The colour of the line of pass i: the start colour for line 0, else the
  // colour worked out in pass i - 1.
  fw::Color ColorOfLine(fw::Integer i) const;
  GradientLine Line(fw::Integer i) const;

 private:
  int Channel(int top, int bottom, fw::Integer pass) const;

  fw::Color top_, bottom_;
  GradientDirection direction_;
  fw::Integer w_, h_, n_;
};
