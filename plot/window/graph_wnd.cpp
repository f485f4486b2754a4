// Stand-in for the plot window (see graph_wnd.h).
#include "plot/window/graph_wnd.h"

void GraphWnd::Layout() {
  SetProperties({.Width = 600, .Height = 420, .Title = "Quarnel Graph", .Visible = false});
}
