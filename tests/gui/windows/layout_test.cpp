// The main window and the About window as built: controls in creation (and
// tab) order with their classes and geometry, fonts, colours, the report's
// fixed-pitch font, and a maximum height that cuts nothing off.
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMainWindow>
#include <QTextDocument>
#include <QTextEdit>
#include <QWidget>

#include <gmock/gmock.h>

#include <string>
#include <typeinfo>
#include <vector>

#include "core/windows/about_wnd.h"
#include "core/windows/control_wnd.h"
#include "windows_fixture.h"

namespace {

struct Placed {
  const char* name;
  const std::type_info& type;
  fw::Integer left, top, width, height;
};

const Placed kMainControls[] = {
    {"NVarsFld", typeid(fw::TextArea), 224, 150, 50, 20},
    {"EigenFld", typeid(fw::TextArea), 20, 210, 350, 300},
    {"ClearBtn", typeid(fw::PushButton), 400, 430, 80, 30},
    {"CalculateBtn", typeid(fw::PushButton), 400, 480, 80, 30},
    {"StaticText3", typeid(fw::Label), 20, 192, 120, 19},
    {"Canvas3", typeid(fw::Canvas), 5, 3, 78, 77},
    {"StaticText4", typeid(fw::Label), 115, 1, 371, 50},
    {"StaticText9", typeid(fw::Label), 115, 48, 371, 20},
    {"Rectangle1", typeid(fw::Rectangle), 115, 78, 371, 2},
    {"StaticText1", typeid(fw::Label), 20, 150, 210, 20},
    {"PrintBtn", typeid(fw::PushButton), 400, 281, 80, 30},
    {"GraphBtn", typeid(fw::PushButton), 400, 336, 80, 30},
    {"Canvas1", typeid(fw::Canvas), 400, 210, 74, 45},
};

const Placed kAboutControls[] = {
    {"StaticText5", typeid(fw::Label), 1, 185, 298, 13},
    {"Canvas1", typeid(fw::Canvas), 111, 63, 78, 78},
    {"StaticText1", typeid(fw::Label), 1, 6, 298, 49},
};

template <size_t N>
void ExpectControls(const fw::Window& window, const Placed (&expected)[N]) {
  size_t widgets = 0;
  for (const auto& control : window.controls()) {
    if (!control->widget()) continue;  // the timer shows nothing
    ASSERT_LT(widgets, N);
    const Placed& want = expected[widgets++];
    SCOPED_TRACE(want.name);
    EXPECT_EQ(control->Name(), want.name);
    EXPECT_EQ(typeid(*control), want.type);
    EXPECT_EQ(control->Left(), want.left);
    EXPECT_EQ(control->Top(), want.top);
    EXPECT_EQ(control->Width(), want.width);
    EXPECT_EQ(control->Height(), want.height);
  }
  EXPECT_EQ(widgets, N);
}

QColor TextColour(fw::Label& label) {
  return label.widget()->palette().color(QPalette::WindowText);
}

class LayoutTest : public WindowsTest {};

TEST_F(LayoutTest, MainWindowControlsInOrderWithTheirPlaces) {
  ControlWnd& wnd = ControlWnd::Instance();
  ExpectControls(wnd, kMainControls);
  EXPECT_EQ(wnd.Title(), "Quarnel");
  EXPECT_EQ(wnd.Width(), 500);
  EXPECT_TRUE(wnd.Visible());
  EXPECT_NE(wnd.Canvas3().Backdrop(), nullptr);  // the logo
  EXPECT_NE(wnd.Canvas1().Backdrop(), nullptr);  // the help icon
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

TEST_F(LayoutTest, AboutWindowShowsTitleLogoAndNotice) {
  AboutWnd& about = AboutWnd::Instance();
  ExpectControls(about, kAboutControls);
  EXPECT_EQ(about.Title(), "");
  EXPECT_EQ(about.Width(), 300);
  EXPECT_EQ(about.Height(), 200);
  EXPECT_TRUE(about.Visible());
  EXPECT_EQ(about.StaticText1().Text(), "Quarnel");
  EXPECT_EQ(about.StaticText1().widget()->font().pixelSize(), 36);
  EXPECT_EQ(TextColour(about.StaticText5()), QColor(0, 0, 216));
  EXPECT_FALSE(about.StaticText5().Text().empty());
  EXPECT_NE(about.Canvas1().Backdrop(), nullptr);
  EXPECT_FALSE(about.widget()->windowFlags() & Qt::WindowCloseButtonHint);
}

}  // namespace
