// What the framework costs at the moments a user waits on it: building a
// window of thirteen controls, the enabling pass before a menu opens, and
// paginating a long text onto PDF pages.
#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "framework/ui/application.h"
#include "framework/ui/controls.h"
#include "framework/ui/printing.h"
#include "framework/ui/window.h"

namespace {

class BenchWnd : public fw::Window {
 protected:
  void Layout() override { SetProperties({.Width = 500, .Height = 550, .Resizeable = false}); }
  void CreateControls() override {
    for (int i = 0; i < 2; ++i)
      AddControl<fw::TextArea>("Field" + std::to_string(i))
          .SetProperties({.Left = 20, .Top = 210, .Width = 350, .Height = 300,
                          .FontName = "Courier", .FontSize = 10});
    for (int i = 0; i < 4; ++i)
      AddControl<fw::PushButton>("Button" + std::to_string(i)).SetProperties({.Caption = "Calculate"});
    for (int i = 0; i < 4; ++i)
      AddControl<fw::Label>("Label" + std::to_string(i)).SetProperties({.Text = "Quarnel", .FontSize = 36});
    AddControl<fw::Canvas>("Canvas1");
    AddControl<fw::Canvas>("Canvas3");
    AddControl<fw::Rectangle>("Rectangle1");
  }
};

void BuildAndCloseWindow(benchmark::State& state) {
  for (auto _ : state) {
    BenchWnd& window = fw::ImplicitWindow<BenchWnd>();
    window.Close();
    fw::FreeClosedWindows();
  }
}
BENCHMARK(BuildAndCloseWindow)->Unit(benchmark::kMicrosecond);

std::shared_ptr<fw::MenuItem> Bar() {
  auto bar = std::make_shared<fw::MenuBar>();
  for (int m = 0; m < 5; ++m) {
    auto menu = std::make_shared<fw::MenuItem>();
    menu->Name = "Menu" + std::to_string(m);
    menu->Text = "Menu";
    for (int i = 0; i < 4; ++i) {
      auto item = std::make_shared<fw::MenuItem>();
      item->Name = menu->Name + "Item" + std::to_string(i);
      item->Text = "Item";
      menu->AddMenu(item);
    }
    bar->AddMenu(menu);
  }
  return bar;
}

void EnablingPass(benchmark::State& state) {
  fw::Application app;
  app.SetMenuBar(Bar());
  fw::RegisterAppObject(&app);
  fw::RunEnablingPass(nullptr);  // builds the Qt actions once
  for (auto _ : state) fw::RunEnablingPass(nullptr);
  fw::RegisterAppObject(nullptr);
}
BENCHMARK(EnablingPass)->Unit(benchmark::kMicrosecond);

class TextWnd : public fw::Window {
 protected:
  void CreateControls() override {
    std::string text;
    for (int i = 0; i < 1000; ++i) text += "  " + std::to_string(i) + "      +5.4300       0.8662   nontrivial\r\n";
    AddControl<fw::TextArea>("EigenFld").SetProperties(
        {.Width = 350, .Height = 300, .Text = text, .FontName = "Courier", .FontSize = 10});
  }
};

void PrintThousandLines(benchmark::State& state) {
  QTemporaryDir dir;
  auto& area = fw::ImplicitWindow<TextWnd>().ControlAs<fw::TextArea>("EigenFld");
  for (auto _ : state) {
    auto page = fw::PageSurface::ForPdf(dir.filePath("bench.pdf").toStdString());
    auto printer = area.StyledTextPrinter(*page, 540);
    while (!printer->Eof()) {
      printer->DrawBlock(0, 0, 720);
      if (!printer->Eof()) page->NextPage();
    }
    page->Finish();
  }
  fw::CloseAllWindows();
}
BENCHMARK(PrintThousandLines)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  fw::CloseAllWindows();
  return 0;
}
