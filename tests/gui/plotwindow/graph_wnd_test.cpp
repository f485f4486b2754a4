// The plot window on its own: its layout, the plot it opens with, every row
// of the results flag's transitions, Copy, Save and Print.
#include <QImage>
#include <QImageReader>
#include <QPageLayout>
#include <QProcess>
#include <QTemporaryDir>

#include <gmock/gmock.h>

#include <functional>
#include <string>
#include <vector>

#include "core/windows/control_wnd.h"
#include "framework/ui/controls.h"
#include "plot/window/graph_wnd.h"
#include "plot/window/scree_plot.h"
#include "plot_fixture.h"
#include "tests/gui/pdf_probe.h"

#include <QMainWindow>

using testing::ElementsAre;
using testing::ElementsAreArray;

namespace {

constexpr const char* kErase = "Are you sure you want to erase this graph";

class GraphWndTest : public WindowsTest {
 protected:
  void SetUp() override {
    WindowsTest::SetUp();
    ASSERT_TRUE(Calculate("20", kWorkedExample));
  }

  GraphWnd& Open() {
    GraphWnd& wnd = GraphWnd::Instance();
    Settle();
    script_.ClearCalls();
    return wnd;
  }

  static bool IsOpen() { return fw::LiveInstance<GraphWnd>() != nullptr; }

  QTemporaryDir dir_;
};

TEST_F(GraphWndTest, LayoutIsTheFixedWindowWithCanvasAndFourButtons) {
  GraphWnd& wnd = Open();
  EXPECT_EQ(wnd.Title(), "Quarnel Graph");
  EXPECT_EQ(wnd.Width(), 640);
  EXPECT_EQ(wnd.Height(), 500);
  EXPECT_TRUE(wnd.Visible());
  EXPECT_FALSE(wnd.widget()->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(wnd.widget()->windowFlags() & Qt::WindowMaximizeButtonHint);

  struct Placed {
    std::string name;
    fw::Integer left, top, width, height;
  };
  const std::vector<Placed> expected = {{"Canvas1", 20, 14, 600, 420},
                                        {"CloseBtn", 20, 455, 70, 25},
                                        {"CopyBtn", 210, 455, 70, 25},
                                        {"SaveBtn", 374, 455, 70, 25},
                                        {"PrintBtn", 550, 455, 70, 25}};
  ASSERT_EQ(wnd.controls().size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    const fw::Control& control = *wnd.controls()[i];
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(control.Name(), expected[i].name);
    EXPECT_EQ(control.Left(), expected[i].left);
    EXPECT_EQ(control.Top(), expected[i].top);
    EXPECT_EQ(control.Width(), expected[i].width);
    EXPECT_EQ(control.Height(), expected[i].height);
  }
  EXPECT_EQ(wnd.CloseBtn().Caption(), "Close");
  EXPECT_EQ(wnd.CopyBtn().Caption(), "Copy");
  EXPECT_EQ(wnd.SaveBtn().Caption(), "Save");
  EXPECT_EQ(wnd.PrintBtn().Caption(), "Print");
}

TEST_F(GraphWndTest, OpeningShowsTheScreePlotAndSetsTheFlag) {
  module1().newlinecolor = 7;
  GraphWnd& wnd = Open();
  const auto& backdrop = wnd.Canvas1().Backdrop();
  ASSERT_TRUE(backdrop);
  EXPECT_EQ(backdrop->Width(), 600);
  EXPECT_EQ(backdrop->Height(), 420);
  EXPECT_EQ(backdrop->Image(), DrawScreePlot(600, 420)->Image());
  EXPECT_EQ(module1().dirty, "y");
  EXPECT_EQ(module1().newlinecolor, 1);
  EXPECT_TRUE(script_.calls().empty());
}

// Each row: the flag before, the answers scripted, the button, and what
// follows: the flag after, whether the window stays, the calls made.
TEST_F(GraphWndTest, EveryTransitionOfTheResultsFlag) {
  const std::string ask = std::string("MsgBox 36: ") + kErase;
  struct Row {
    const char* what;
    std::string before;
    std::function<void(fw::ScriptedServices&)> script;
    std::function<fw::PushButton&(GraphWnd&)> button;
    std::string after;
    bool staysOpen;
    std::vector<std::string> calls;
  };
  auto close = [](GraphWnd& w) -> fw::PushButton& { return w.CloseBtn(); };
  auto copy = [](GraphWnd& w) -> fw::PushButton& { return w.CopyBtn(); };
  auto save = [](GraphWnd& w) -> fw::PushButton& { return w.SaveBtn(); };
  auto print = [](GraphWnd& w) -> fw::PushButton& { return w.PrintBtn(); };
  auto yes = [](fw::ScriptedServices& s) { s.AnswerMsgBox(fw::MsgBoxAnswer::Yes); };
  auto no = [](fw::ScriptedServices& s) { s.AnswerMsgBox(fw::MsgBoxAnswer::No); };
  auto cancelExport = [](fw::ScriptedServices& s) { s.CancelExport(); };
  auto cancelPrint = [](fw::ScriptedServices& s) { s.CancelPrinterDialog(); };
  const std::vector<Row> rows = {
      {"Save, unsaved", "y", cancelExport, save, "", true, {"ExportPicture 600x420 -> cancel"}},
      {"Save, saved", "", cancelExport, save, "", true, {"ExportPicture 600x420 -> cancel"}},
      {"Close, Yes", "y", yes, close, "", false, {ask + " -> 6"}},
      {"Close, No", "y", no, close, "y", true, {ask + " -> 7", "Beep"}},
      {"Close, saved", "", nullptr, close, "", false, {}},
      {"Copy, unsaved", "y", nullptr, copy, "y", true,
       {"SetClipboardPicture 600x420", "MsgBox: Copied to clipboard"}},
      {"Copy, saved", "", nullptr, copy, "", true,
       {"SetClipboardPicture 600x420", "MsgBox: Copied to clipboard"}},
      {"Print, unsaved", "y", cancelPrint, print, "y", true, {"OpenPrinterDialog -> cancel"}},
      {"Print, saved", "", cancelPrint, print, "", true, {"OpenPrinterDialog -> cancel"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    fw::CloseAllWindows();
    module1().dirty = "y";
    GraphWnd& wnd = Open();
    if (ControlWnd* main = fw::LiveInstance<ControlWnd>()) main->Hide();
    module1().dirty = row.before;
    if (row.script) row.script(script_);
    row.button(wnd).Push();
    Settle();
    EXPECT_EQ(module1().dirty, row.after);
    EXPECT_EQ(IsOpen(), row.staysOpen);
    EXPECT_THAT(script_.calls(), ElementsAreArray(row.calls));
    ControlWnd* main = fw::LiveInstance<ControlWnd>();
    EXPECT_EQ(main != nullptr && main->Visible(), !row.staysOpen) << "main window shown";
  }
}

TEST_F(GraphWndTest, CloseAnsweredNoAsksAgainNextTime) {
  GraphWnd& wnd = Open();
  script_.AnswerMsgBox(fw::MsgBoxAnswer::No);
  script_.AnswerMsgBox(fw::MsgBoxAnswer::Yes);
  wnd.CloseBtn().Push();
  ASSERT_TRUE(IsOpen());
  wnd.CloseBtn().Push();
  Settle();
  EXPECT_FALSE(IsOpen());
  EXPECT_EQ(script_.CallsStartingWith("MsgBox 36: ").size(), 2u);
  EXPECT_EQ(script_.Count("Beep"), 1);
}

// The erase question is the Yes/No form with the question icon and no title
// of its own; Copy's note is the one-text form with OK.
TEST_F(GraphWndTest, EraseQuestionHasNoTitleAndCopyNoteIsThePlainForm) {
  using Box = fw::ScriptedServices::MsgBoxCall;
  GraphWnd& wnd = Open();
  wnd.CopyBtn().Push();
  script_.AnswerMsgBox(fw::MsgBoxAnswer::Yes);
  wnd.CloseBtn().Push();
  Settle();
  EXPECT_THAT(script_.msgBoxes(),
              ElementsAre(Box{"Copied to clipboard", fw::MsgBoxButtons::Ok, std::nullopt, fw::MsgBoxAnswer::Ok},
                          Box{kErase, fw::MsgBoxButtons::YesNoQuestion, "", fw::MsgBoxAnswer::Yes}));
}

// A close box that the window manager adds anyway, or Alt+F4, asks the
// window system to close the window: it does what Close does.
TEST_F(GraphWndTest, WindowManagersCloseDoesWhatCloseDoes) {
  const std::string ask = std::string("MsgBox 36: ") + kErase;
  GraphWnd& wnd = Open();
  script_.AnswerMsgBox(fw::MsgBoxAnswer::No);
  wnd.widget()->close();
  Settle();
  EXPECT_THAT(script_.calls(), ElementsAre(ask + " -> 7", "Beep"));
  ASSERT_TRUE(IsOpen());
  EXPECT_TRUE(wnd.Visible());
  EXPECT_EQ(module1().dirty, "y");

  script_.AnswerMsgBox(fw::MsgBoxAnswer::Yes);
  wnd.widget()->close();
  Settle();
  EXPECT_THAT(script_.calls(), ElementsAre(ask + " -> 7", "Beep", ask + " -> 6"));
  EXPECT_FALSE(IsOpen());
  EXPECT_EQ(module1().dirty, "");
  ControlWnd* main = fw::LiveInstance<ControlWnd>();
  EXPECT_TRUE(main != nullptr && main->Visible());

  // Saved: closed at once, without a question.
  module1().dirty = "y";
  GraphWnd& saved = Open();
  script_.CancelExport();
  saved.SaveBtn().Push();
  saved.widget()->close();
  Settle();
  EXPECT_FALSE(IsOpen());
  EXPECT_THAT(script_.calls(), ElementsAre("ExportPicture 600x420 -> cancel"));
}

TEST_F(GraphWndTest, SaveCancelledClearsTheFlagAndCloseThenAsksNothing) {
  GraphWnd& wnd = Open();
  script_.CancelExport();
  wnd.SaveBtn().Push();
  EXPECT_EQ(module1().dirty, "");
  EXPECT_TRUE(IsOpen());
  wnd.CloseBtn().Push();
  Settle();
  EXPECT_FALSE(IsOpen());
  EXPECT_THAT(script_.calls(), ElementsAre("ExportPicture 600x420 -> cancel"));
}

TEST_F(GraphWndTest, SaveWritesThePlotInEachFormat) {
  GraphWnd& wnd = Open();
  for (const char* suffix : {"png", "jpg", "bmp", "tiff"}) {
    SCOPED_TRACE(suffix);
    const QString path = dir_.filePath(QString("plot.") + suffix);
    script_.AnswerExport(path.toStdString());
    wnd.SaveBtn().Push();
    const QImage written(path);
    EXPECT_EQ(written.size(), QSize(600, 420));
    EXPECT_EQ(module1().dirty, "");
  }
  const QImage png(dir_.filePath("plot.png"));
  EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32),
            wnd.Canvas1().Backdrop()->Image().convertToFormat(QImage::Format_RGB32));
}

TEST_F(GraphWndTest, CopyTwiceSaysSoEachTimeAndLeavesThePlotOnTheClipboard) {
  GraphWnd& wnd = Open();
  wnd.CopyBtn().Push();
  wnd.CopyBtn().Push();
  EXPECT_THAT(script_.calls(),
              ElementsAre("SetClipboardPicture 600x420", "MsgBox: Copied to clipboard",
                          "SetClipboardPicture 600x420", "MsgBox: Copied to clipboard"));
  ASSERT_TRUE(script_.clipboard());
  EXPECT_EQ(script_.clipboard()->Image(), wnd.Canvas1().Backdrop()->Image());
  EXPECT_EQ(module1().dirty, "y");
}

std::string RunTool(const char* tool, const QStringList& arguments) {
  QProcess process;
  process.start(tool, arguments);
  process.waitForFinished(10000);
  return process.readAllStandardOutput().toStdString();
}

// The printed page at 72 dots per inch, as pdftoppm draws it.
QImage PageImage(const QString& pdf, const QString& prefix) {
  RunTool("pdftoppm", {"-r", "72", "-png", "-singlefile", pdf, prefix});
  return QImage(prefix + ".png").convertToFormat(QImage::Format_RGB32);
}

QRect InkBounds(const QImage& image) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      if (qRed(p) + qGreen(p) + qBlue(p) < 600) bounds |= QRect(x, y, 1, 1);
    }
  }
  return bounds;
}

bool Inked(const QImage& image, int x, int y) {
  if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return false;
  const QRgb p = image.pixel(x, y);
  return qRed(p) + qGreen(p) + qBlue(p) < 600;
}

// The share of the ink of expected that page has too, at most a pixel away.
double InkAgreement(const QImage& page, const QImage& expected) {
  int ink = 0, matched = 0;
  for (int y = 0; y < expected.height(); ++y) {
    for (int x = 0; x < expected.width(); ++x) {
      if (!Inked(expected, x, y)) continue;
      ++ink;
      bool near = false;
      for (int dy = -1; dy <= 1 && !near; ++dy) {
        for (int dx = -1; dx <= 1 && !near; ++dx) near = Inked(page, x + dx, y + dy);
      }
      matched += near;
    }
  }
  return ink == 0 ? 0 : static_cast<double>(matched) / ink;
}

TEST_F(GraphWndTest, PrintPutsThePlotOnOnePageAtNineTenths) {
  GraphWnd& wnd = Open();
  const QString pdf = dir_.filePath("plot.pdf");
  script_.AnswerPrinterDialog(pdf.toStdString());
  wnd.PrintBtn().Push();
  Settle();
  EXPECT_EQ(module1().dirty, "y");
  const std::string info = RunTool("pdfinfo", {pdf});
  EXPECT_THAT(info, testing::ContainsRegex("Pages: +1\n"));
  EXPECT_THAT(info, testing::HasSubstr("612 x 792 pts"));
  // The picture goes in whole and without JPEG, which rings around the
  // tick labels and thin lines.
  const auto images = pdfprobe::Images(pdf.toStdString());
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0].width, 600);
  EXPECT_EQ(images[0].height, 420);
  EXPECT_EQ(images[0].encoding, "image");   // flate; not "jpeg"

  // The picture lies at (20, 100) within the 36-unit margins, 540 x 378.
  const QImage page = PageImage(pdf, dir_.filePath("page"));
  ASSERT_EQ(page.size(), QSize(612, 792));
  const QRect placed(36 + 20, 36 + 100, 540, 378);
  const QRect ink = InkBounds(page);
  EXPECT_TRUE(placed.contains(ink)) << ink.x() << "," << ink.y() << " " << ink.width() << "x"
                                    << ink.height();
  EXPECT_GT(ink.width(), 480);
  EXPECT_GT(ink.height(), 330);
  // The scaled picture itself: blue eigenvalue line and all.
  const QImage expected =
      wnd.Canvas1().Backdrop()->Image().scaled(540, 378, Qt::IgnoreAspectRatio,
                                               Qt::SmoothTransformation);
  EXPECT_GT(InkAgreement(page.copy(placed), expected), 0.85);
  EXPECT_LT(InkAgreement(page.copy(placed.translated(4, 4)), expected), 0.5);
}

// The plot's picture as the PDF holds it: extracted whole, as it went in.
QImage PrintedPicture(const QString& pdf, const QString& prefix) {
  RunTool("pdfimages", {"-png", pdf, prefix});
  return QImage(prefix + "-000.png").convertToFormat(QImage::Format_RGB32);
}

QImage Rgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

// A calculation made while the window is open changes the record, not the
// window: Copy, Save and Print each give the picture the window shows, to
// the pixel, and not a plot drawn afresh from the new results.
TEST_F(GraphWndTest, CopySaveAndPrintGiveTheWindowsPictureAfterTheResultsChange) {
  if (!pdfprobe::HavePoppler()) GTEST_SKIP() << "poppler-utils not installed";
  GraphWnd& wnd = Open();
  const QImage shown = Rgb(wnd.Canvas1().Backdrop()->Image());
  ASSERT_TRUE(Calculate("5", Lines({"3.1", "0.9", "0.5", "0.3", "0.2"})));
  ASSERT_NE(Rgb(DrawScreePlot(600, 420)->Image()), shown) << "the new results plot alike";

  wnd.CopyBtn().Push();
  ASSERT_TRUE(script_.clipboard());
  EXPECT_EQ(Rgb(script_.clipboard()->Image()), shown) << "Copy";

  const QString png = dir_.filePath("saved.png");
  script_.AnswerExport(png.toStdString());
  wnd.SaveBtn().Push();
  ASSERT_TRUE(script_.exported());
  EXPECT_EQ(Rgb(script_.exported()->Image()), shown) << "Save";
  EXPECT_EQ(Rgb(QImage(png)), shown) << "the saved file";

  const QString pdf = dir_.filePath("printed.pdf");
  script_.AnswerPrinterDialog(pdf.toStdString());
  wnd.PrintBtn().Push();
  Settle();
  EXPECT_EQ(PrintedPicture(pdf, dir_.filePath("printed")), shown) << "Print";
}

// The plot prints at nine tenths of the picture on every paper whose
// printable area holds it (560 x 478 from the corner), and no smaller than
// the text block is drawn on the others. Its ink stays on the printable
// area, but for the 20 units the plot is wider than the block, which reach
// into the right margin where the block has its full size: on a paper that
// holds the picture's own 540 x 378 but not the plot's extent (A5
// landscape; Letter landscape inside inch margins) nothing runs off.
TEST_F(GraphWndTest, PrintKeepsThePlotAsLargeAsEachPaperHoldsIt) {
  if (!pdfprobe::HavePoppler()) GTEST_SKIP() << "poppler-utils not installed";
  struct Paper {
    const char* name;
    QPageSize::PageSizeId size;
    QPageLayout::Orientation orientation;
    double margin;   // points, all four sides
    double scale;
  };
  const Paper papers[] = {
      {"Letter", QPageSize::Letter, QPageLayout::Portrait, 36, 1},
      {"A4", QPageSize::A4, QPageLayout::Portrait, 36, 523.0 / 540},
      {"Letter landscape", QPageSize::Letter, QPageLayout::Landscape, 36, 1},
      {"A4 landscape", QPageSize::A4, QPageLayout::Landscape, 36, 1},
      {"A5 landscape", QPageSize::A5, QPageLayout::Landscape, 36, 348.0 / 478},   // 523 x 348
      {"Letter landscape, inch margins", QPageSize::Letter, QPageLayout::Landscape, 72,
       468.0 / 478},   // 648 x 468
  };
  GraphWnd& wnd = Open();
  const QImage plot = wnd.Canvas1().Backdrop()->Image();
  for (const Paper& paper : papers) {
    SCOPED_TRACE(paper.name);
    const QString pdf = dir_.filePath(QString(paper.name) + ".pdf");
    const double m = paper.margin, s = paper.scale;
    const QPageLayout layout(QPageSize(paper.size), paper.orientation, QMarginsF(m, m, m, m),
                             QPageLayout::Point);
    script_.AnswerPrinterDialog(pdf.toStdString(), layout);
    wnd.PrintBtn().Push();
    Settle();
    const auto images = pdfprobe::Images(pdf.toStdString());
    ASSERT_EQ(images.size(), 1u);
    // 600 pixels across 540 x scale points.
    EXPECT_NEAR(images[0].xPpi, 80 / s, 1);
    const QRectF placed(m + 20 * s, m + 100 * s, 540 * s, 378 * s);
    const QImage page = PageImage(pdf, dir_.filePath("paper"));
    ASSERT_EQ(page.size(), layout.fullRectPoints().size());
    const QImage expected = plot.scaled(qRound(placed.width()), qRound(placed.height()),
                                        Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_GT(InkAgreement(page.copy(placed.toRect()), expected), 0.85);
    const QRect allowed =
        layout.paintRectPoints().united(QRectF(m, m, 560 * s, 478 * s).toAlignedRect());
    const QRect ink = InkBounds(page);
    EXPECT_TRUE(allowed.contains(ink)) << "ink " << ink.x() << "," << ink.y() << " " << ink.width()
                                       << "x" << ink.height() << " beyond " << allowed.x() << ","
                                       << allowed.y() << " " << allowed.width() << "x"
                                       << allowed.height();
  }
}

}  // namespace
