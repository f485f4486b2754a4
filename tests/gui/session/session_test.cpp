// A scripted random session: buttons, keys, pastes, windows opened and closed,
// questions answered at random; after every step the rules that hold whatever
// the user does are checked.
#include <QApplication>
#include <QMainWindow>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>
#include <string>
#include <typeindex>
#include <vector>

#include "core/app/app.h"
#include "core/app/default_window.h"
#include "core/app/startup.h"
#include "core/calc/module1.h"
#include "core/windows/about_wnd.h"
#include "core/windows/control_wnd.h"
#include "framework/ui/pictures.h"
#include "framework/ui/qt_services.h"
#include "framework/ui/window.h"
#include "help/description_wnd.h"
#include "plot/window/graph_wnd.h"
#include "tests/support/scripted_services.h"

namespace {

unsigned gSeed = 1;
int gSteps = 600;

const std::string kRefusal = "MsgBox: Quarnel must be calculated before graph can be displayed.";

void Settle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

class Session {
 public:
  explicit Session(unsigned seed) : random_(seed) {}

  // One random user action, then the checks; returns a short name of the action.
  std::string Step() {
    script_.ClearCalls();
    dirtyBefore_ = module1().dirty;
    graphBefore_ = fw::LiveInstance<GraphWnd>();
    const auto& [name, action] = actions_[Pick(actions_.size())];
    action();
    Settle();
    CheckInvariants(name);
    return name;
  }

  fw::ScriptedServices& script() { return script_; }

 private:
  std::size_t Pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }
  bool Chance(double p) { return std::bernoulli_distribution(p)(random_); }

  static ControlWnd& Main() { return ControlWnd::Instance(); }

  std::string RandomEigenvalueText() {
    static const char* pieces[] = {"5.43", "3.11", ".80", "0", "-1", "1e3", "abc", "", "1e308",
                                   "\xC3\xA9", "2,5", " 7", "12345678", "-0", ".", "nan"};
    static const char* endings[] = {"\r\n", "\n", "\r"};
    std::string text;
    const std::size_t lines = Pick(30);
    for (std::size_t i = 0; i < lines; ++i)
      text += std::string(pieces[Pick(std::size(pieces))]) + endings[Pick(std::size(endings))];
    return text;
  }

  void TypeInto(fw::TextArea& area) {
    static const char keys[] = "0123456789-.eE+, \tx";
    QTest::keyClick(area.widget(), keys[Pick(sizeof keys - 1)]);
  }

  void PressGraph() {
    Main().GraphBtn().Push();
    Settle();
    const bool refused = script_.Count(kRefusal) == 1;
    EXPECT_EQ(refused, dirtyBefore_ != "y") << "Graph acts only while dirty is y";
    if (!refused) {
      ASSERT_NE(fw::LiveInstance<GraphWnd>(), nullptr);
      EXPECT_TRUE(fw::LiveInstance<GraphWnd>()->Visible());
      if (graphBefore_) {
        EXPECT_EQ(fw::LiveInstance<GraphWnd>(), graphBefore_) << "brought forward, not rebuilt";
      }
    } else {
      EXPECT_EQ(fw::LiveInstance<GraphWnd>(), graphBefore_);
    }
  }

  void CloseGraph(GraphWnd& graph) {
    const bool yes = Chance(0.5);
    if (dirtyBefore_ == "y")
      script_.AnswerMsgBox(yes ? fw::MsgBoxAnswer::Yes : fw::MsgBoxAnswer::No);
    graph.CloseBtn().Push();
    Settle();
    if (dirtyBefore_ == "y" && !yes) {
      EXPECT_EQ(module1().dirty, "y");
      EXPECT_EQ(script_.Count("Beep"), 1);
      EXPECT_EQ(fw::LiveInstance<GraphWnd>(), &graph);
    } else {
      EXPECT_EQ(module1().dirty, "");
      EXPECT_EQ(fw::LiveInstance<GraphWnd>(), nullptr);
    }
  }

  void WithGraph(const std::function<void(GraphWnd&)>& act) {
    if (GraphWnd* graph = fw::LiveInstance<GraphWnd>()) act(*graph);
  }

  void CheckInvariants(const std::string& action) {
    SCOPED_TRACE(action);
    std::map<std::type_index, int> instances;
    for (fw::Window* window : fw::LiveWindows()) ++instances[typeid(*window)];
    for (const auto& [type, count] : instances) EXPECT_EQ(count, 1) << type.name();
    EXPECT_TRUE(module1().dirty == "" || module1().dirty == "y") << module1().dirty;
    EXPECT_TRUE(script_.exceptions().empty()) << script_.exceptions().front();
    EXPECT_FALSE(fw::QuitRequested());
    EXPECT_EQ(fw::LiveInstance<AboutWnd>(), about_) << "the About window is never closed";
  }

  std::mt19937_64 random_;
  fw::ScriptedServices script_;
  AboutWnd* about_ = &AboutWnd::Instance();
  std::string dirtyBefore_;
  GraphWnd* graphBefore_ = nullptr;

  const std::vector<std::pair<std::string, std::function<void()>>> actions_ = {
      {"type v", [this] { TypeInto(Main().NVarsFld()); }},
      {"type eigenvalue", [this] { TypeInto(Main().EigenFld()); }},
      {"set v", [this] {
         static const char* texts[] = {"20", "5", "3", "99", "2", "100", "", "ab", "5.9"};
         Main().NVarsFld().SetText(texts[Pick(std::size(texts))]);
       }},
      {"paste eigenvalues", [this] { Main().EigenFld().SetText(RandomEigenvalueText()); }},
      {"worked example", [this] {
         Main().NVarsFld().SetText("20");
         Main().EigenFld().SetText(
             "5.43\n3.11\n2.24\n1.89\n1.52\n1.29\n.80\n.46\n.41\n.37\n.35\n.33\n.30\n.28\n.25\n.24\n.21\n.20\n.18\n.15");
       }},
      {"clear", [this] {
         Main().ClearBtn().Push();
         EXPECT_EQ(module1().dirty, "");
         EXPECT_EQ(Main().NVarsFld().Text(), "");
         EXPECT_EQ(Main().EigenFld().Text(), "");
         EXPECT_EQ(fw::LiveInstance<GraphWnd>(), graphBefore_) << "Clear leaves the plot window";
       }},
      {"calculate", [this] {
         Main().CalculateBtn().Push();
         const bool completed = Main().EigenFld().Text().rfind("\r\nQuarnel: ", 0) == 0 &&
                                script_.CallsStartingWith("MsgBox: Variables").empty() &&
                                script_.CallsStartingWith("MsgBox: No Eigen").empty();
         EXPECT_EQ(module1().dirty, completed ? "y" : dirtyBefore_);
       }},
      {"print report", [this] {
         if (Chance(0.1))
           script_.AnswerPrinterDialog(testing::TempDir() + "session-report.pdf");
         else
           script_.CancelPrinterDialog();
         Main().PrintBtn().Push();
       }},
      {"graph", [this] { PressGraph(); }},
      {"graph close", [this] { WithGraph([this](GraphWnd& g) { CloseGraph(g); }); }},
      {"graph copy", [this] {
         WithGraph([this](GraphWnd& g) {
           g.CopyBtn().Push();
           EXPECT_EQ(module1().dirty, dirtyBefore_);
           EXPECT_EQ(script_.Count("MsgBox: Copied to clipboard"), 1);
         });
       }},
      {"graph save", [this] {
         WithGraph([this](GraphWnd& g) {
           script_.CancelExport();
           g.SaveBtn().Push();
           EXPECT_EQ(module1().dirty, "");
         });
       }},
      {"graph print", [this] {
         WithGraph([this](GraphWnd& g) {
           script_.CancelPrinterDialog();
           g.PrintBtn().Push();
           EXPECT_EQ(module1().dirty, dirtyBefore_);
         });
       }},
      {"help icon", [this] { Main().Canvas1_MouseDown(Main().Canvas1(), 3, 4); }},
      {"close description", [] {
         if (DescriptionWnd* d = fw::LiveInstance<DescriptionWnd>()) d->Close();
       }},
      {"about", [] { ShowAboutWindow(); }},
      {"key in about", [this] {
         if (about_->Visible()) {
           QTest::keyClick(about_->widget(), Qt::Key_A);
           Settle();
           EXPECT_FALSE(about_->Visible());
         }
       }},
      {"splash timer", [this] { about_->Timer1_Action(about_->Timer1()); }},
  };
};

TEST(RandomSession, RulesHoldAfterEveryStep) {
  fw::SetPictureFolders({QUARNEL_RESOURCES_DIR});
  _NewAppInstance();
  _ApplicationAddMenuHandlers();
  module1() = Module1{};
  MakeDefaultWindow();
  Session session(gSeed);
  std::map<std::string, int> taken;
  for (int step = 0; step < gSteps && !testing::Test::HasFailure(); ++step) {
    SCOPED_TRACE("step " + std::to_string(step));
    ++taken[session.Step()];
  }
  EXPECT_GE(taken.size(), 15u) << "the session should have tried nearly every action";
  for (const auto& [name, count] : taken) testing::Test::RecordProperty(name, count);

  // Closing the main window quits, whatever else is open.
  ControlWnd::Instance().Close();
  Settle();
  EXPECT_TRUE(fw::QuitRequested());
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  fw::UseQtServices();
  testing::InitGoogleTest(&argc, argv);
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.rfind("--seed=", 0) == 0) gSeed = static_cast<unsigned>(std::stoul(arg.substr(7)));
    if (arg.rfind("--steps=", 0) == 0) gSteps = std::stoi(arg.substr(8));
  }
  return RUN_ALL_TESTS();
}
