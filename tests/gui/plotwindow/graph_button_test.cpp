// The main window's Graph button with the plot window: opening it after a
// calculation, bringing the same window forward, and refusing after a Save
// or an erase until the next calculation.
#include <QMainWindow>
#include <QTest>

#include <gmock/gmock.h>

#include <string>

#include "core/windows/control_wnd.h"
#include "plot/window/graph_wnd.h"
#include "plot_fixture.h"

using testing::ElementsAre;

namespace {

constexpr const char* kRefusal = "MsgBox: Quarnel must be calculated before graph can be displayed.";

class GraphButtonTest : public WindowsTest {
 protected:
  void CalculateInMainWindow(const std::string& eigenvalues = kWorkedExample) {
    main_.NVarsFld().SetText("20");
    main_.EigenFld().SetText(eigenvalues);
    main_.CalculateBtn().Push();
    ASSERT_EQ(module1().dirty, "y");
  }

  GraphWnd* PressGraph() {
    main_.GraphBtn().Push();
    Settle();
    return fw::LiveInstance<GraphWnd>();
  }

  ControlWnd& main_ = ControlWnd::Instance();
};

TEST_F(GraphButtonTest, GraphOpensThePlotAndBringsTheSameWindowForward) {
  CalculateInMainWindow();
  GraphWnd* plot = PressGraph();
  ASSERT_NE(plot, nullptr);
  EXPECT_TRUE(plot->Visible());
  const auto picture = plot->Canvas1().Backdrop();
  ASSERT_TRUE(picture);

  // A new calculation does not redraw the open window.
  CalculateInMainWindow(Lines({"9", "3", "1", "0.5", "0.4", "0.3", "0.2", "0.2", "0.1", "0.1",
                               "0.1", "0.1", "0.1", "0.1", "0.1", "0.1", "0.1", "0.1", "0.1",
                               "0.1"}));
  EXPECT_EQ(PressGraph(), plot);
  EXPECT_EQ(plot->Canvas1().Backdrop(), picture);
  EXPECT_TRUE(script_.calls().empty());
}

// The open plot behind the main window, or minimised: Graph brings it back
// to the front either way.
TEST_F(GraphButtonTest, GraphMakesTheOpenPlotTheFrontmostWindow) {
  for (bool minimised : {false, true}) {
    SCOPED_TRACE(minimised ? "minimised" : "behind the main window");
    CalculateInMainWindow();
    GraphWnd* plot = PressGraph();
    ASSERT_NE(plot, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(plot->widget()));
    if (minimised) plot->widget()->showMinimized();
    main_.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main_.widget()));

    EXPECT_EQ(PressGraph(), plot);
    EXPECT_FALSE(plot->widget()->isMinimized());
    EXPECT_TRUE(QTest::qWaitForWindowActive(plot->widget(), 1000));
    EXPECT_EQ(fw::FrontmostWindow(), plot);
  }
}

TEST_F(GraphButtonTest, GraphRefusesAfterSaveUntilTheNextCalculation) {
  CalculateInMainWindow();
  GraphWnd* plot = PressGraph();
  ASSERT_NE(plot, nullptr);
  script_.CancelExport();
  plot->SaveBtn().Push();
  EXPECT_EQ(PressGraph(), plot);  // still open, not brought up by Graph
  plot->CloseBtn().Push();
  Settle();
  EXPECT_EQ(fw::LiveInstance<GraphWnd>(), nullptr);
  EXPECT_TRUE(main_.Visible());
  EXPECT_EQ(PressGraph(), nullptr);
  EXPECT_THAT(script_.calls(), ElementsAre("ExportPicture 600x420 -> cancel", kRefusal, kRefusal));

  CalculateInMainWindow();
  GraphWnd* fresh = PressGraph();
  ASSERT_NE(fresh, nullptr);
  EXPECT_TRUE(fresh->Canvas1().Backdrop());
}

TEST_F(GraphButtonTest, GraphRefusesAfterAnEraseUntilTheNextCalculation) {
  CalculateInMainWindow();
  GraphWnd* plot = PressGraph();
  ASSERT_NE(plot, nullptr);
  main_.Hide();
  script_.AnswerMsgBox(fw::MsgBoxAnswer::Yes);
  plot->CloseBtn().Push();
  Settle();
  EXPECT_EQ(fw::LiveInstance<GraphWnd>(), nullptr);
  EXPECT_TRUE(main_.Visible());
  EXPECT_EQ(module1().dirty, "");
  EXPECT_EQ(PressGraph(), nullptr);
  EXPECT_EQ(script_.Count(kRefusal), 1);

  CalculateInMainWindow();
  ASSERT_NE(PressGraph(), nullptr);
  EXPECT_EQ(module1().dirty, "y");
}

// "No Eigenvalues." leaves the flag at "y" and the old count of factors (7),
// with a table of zeros for the new 5 variables: the plot still opens.
TEST_F(GraphButtonTest, GraphAfterACalculationStoppedEarlyOpensWithoutFault) {
  CalculateInMainWindow();
  main_.NVarsFld().SetText("5");
  main_.EigenFld().SetText("");
  main_.CalculateBtn().Push();
  ASSERT_EQ(script_.Count("MsgBox: No Eigenvalues."), 1);
  ASSERT_EQ(module1().gCV, 7);
  GraphWnd* plot = PressGraph();
  ASSERT_NE(plot, nullptr);
  ASSERT_TRUE(plot->Canvas1().Backdrop());
  EXPECT_EQ(plot->Canvas1().Backdrop()->Width(), 600);
  EXPECT_TRUE(script_.exceptions().empty());
}

TEST_F(GraphButtonTest, ClearInTheMainWindowLetsCloseGoWithoutAsking) {
  CalculateInMainWindow();
  GraphWnd* plot = PressGraph();
  ASSERT_NE(plot, nullptr);
  main_.ClearBtn().Push();
  EXPECT_EQ(PressGraph(), plot);
  plot->CloseBtn().Push();
  Settle();
  EXPECT_EQ(fw::LiveInstance<GraphWnd>(), nullptr);
  EXPECT_THAT(script_.calls(), ElementsAre(kRefusal));
}

}  // namespace
