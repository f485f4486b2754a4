// The shared results record: what a completed calculation leaves for the
// scree plot, and the flag that says whether there is something to plot.
#pragma once

#include <string>
#include <vector>

#include "framework/text/text.h"

// A two-dimensional table of Doubles indexed from 0, with an upper bound per
// dimension. Bounds of -1 make it empty; re-dimensioning gives all zeros.
class ResultsTable {
 public:
  ResultsTable(fw::Integer rowBound, fw::Integer columnBound) { Redim(rowBound, columnBound); }

  // Discards the contents; afterwards every element is 0. A bound below -1 counts as -1.
  void Redim(fw::Integer rowBound, fw::Integer columnBound);

  fw::Integer RowBound() const { return rows_ - 1; }
  fw::Integer ColumnBound() const { return columns_ - 1; }
  bool Contains(fw::Integer row, fw::Integer column) const {
    return row >= 0 && row < rows_ && column >= 0 && column < columns_;
  }

  // Element access; throws std::out_of_range outside the bounds.
  double& at(fw::Integer row, fw::Integer column);
  double at(fw::Integer row, fw::Integer column) const;

 private:
  fw::Integer rows_ = 0;
  fw::Integer columns_ = 0;
  std::vector<double> cells_;
};

struct Module1 {
  std::string dirty;                 // "y" while there are results to plot, else ""
  ResultsTable gArray{99, 3};        // rows 0..v: ordinal, eigenvalue, SE, slope, intercept
  double gCV = 0;                    // number of factors of the last completed calculation
  fw::Integer gN = 0;                // v of the last calculation that passed the range test
  fw::Integer newlinecolor = 0;      // colour index for the next plot line without a colour
};

// The one record of the process, created on first use.
Module1& module1();
