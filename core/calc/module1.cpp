#include "core/calc/module1.h"

#include <algorithm>
#include <stdexcept>

void ResultsTable::Redim(fw::Integer rowBound, fw::Integer columnBound) {
  rows_ = std::max<fw::Integer>(rowBound, -1) + 1;
  columns_ = std::max<fw::Integer>(columnBound, -1) + 1;
  if (rows_ == 0 || columns_ == 0) rows_ = columns_ = 0;
  cells_.assign(static_cast<std::size_t>(rows_ * columns_), 0.0);
}

double& ResultsTable::at(fw::Integer row, fw::Integer column) {
  if (!Contains(row, column)) throw std::out_of_range("results table index out of bounds");
  return cells_[static_cast<std::size_t>(row * columns_ + column)];
}

double ResultsTable::at(fw::Integer row, fw::Integer column) const {
  return const_cast<ResultsTable&>(*this).at(row, column);
}

Module1& module1() {
  static Module1 record;
  return record;
}
