// The scree plot drawn from the results record: the eigenvalues of the last
// calculation against their ordinals (blue), over the straight line fitted in
// the step whose number is the number of factors (black), on axes from the
// first to the last ordinal and from 0 to the first eigenvalue plus one,
// rounded, with one tick per ordinal and per unit, no grid and no legend.
#pragma once

#include <memory>

#include "core/calc/module1.h"
#include "framework/graphics/graphics.h"
#include "framework/text/text.h"

class TovLineGraph;

// Sets up a new graph with the plot's axes and its two lines from the
// process's results record, module1(). Sets its newlinecolor before each
// line is made (0 for the fitted line, then 1), since the graph colours a
// new line from there; nothing else of the record changes.
void BuildScreePlot(TovLineGraph& graph);

// The plot built on a graph of its own and drawn into a new picture of that
// size; the graph is dropped once the picture exists.
std::shared_ptr<fw::Picture> DrawScreePlot(fw::Integer width, fw::Integer height);

// The element of the results table, or 0 for a row or column that the table
// does not have. A plot opened after a calculation stopped early can ask for
// a fitted step beyond the rows left (see scree_plot.cpp).
double ResultOrZero(const ResultsTable& table, fw::Integer row, fw::Integer column);
