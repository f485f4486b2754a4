// The drawing surface: geometry of each operation in whole pixels, state
// carried from call to call, and Doubles that have no pixel form.
#include <cmath>
#include <limits>

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "framework/graphics/graphics.h"
#include "tests/gui/linegraph/pixels.h"

namespace {

constexpr fw::Color kBlack = fw::RGB(0, 0, 0);
constexpr fw::Color kRed = fw::RGB(255, 0, 0);

// The dark pixels of a picture as rows of '#' and '.', for small shapes.
std::string Mask(const QImage& image, int x, int y, int width, int height) {
  std::string out;
  for (int j = y; j < y + height; ++j) {
    for (int i = x; i < x + width; ++i) out += qRed(image.pixel(i, j)) < 128 ? '#' : '.';
    out += '\n';
  }
  return out;
}

TEST(Picture, IsWhiteAt72DotsPerInchWithItsSize) {
  fw::Picture picture(30, 20, 32);
  EXPECT_EQ(picture.Width(), 30);
  EXPECT_EQ(picture.Height(), 20);
  const QImage image = picture.Image();
  EXPECT_EQ(image.dotsPerMeterX(), 2835);
  EXPECT_EQ(image.dotsPerMeterY(), 2835);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 30; ++x) ASSERT_TRUE(IsWhite(image, x, y)) << x << "," << y;
  }
}

TEST(Picture, SizesWithoutAPictureGiveAnEmptyOneThatIgnoresDrawing) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (auto [w, h] : {std::pair{0.0, 10.0}, {-5.0, 10.0}, {10.0, nan}, {1e12, 10.0}, {70000.0, 70000.0}}) {
    fw::Picture picture(w, h, 32);
    EXPECT_EQ(picture.Width() * picture.Height(), 0) << w << " x " << h;
    picture.Graphics().FillRect(0, 0, 10, 10);
    picture.Graphics().DrawString("text", 1, 9);
    EXPECT_GE(picture.Graphics().StringWidth("text"), 10);
  }
}

TEST(Graphics, LinesIncludeBothEndsAndRectanglesLieInside) {
  fw::Picture picture(40, 40, 32);
  fw::Graphics& g = picture.Graphics();
  g.SetDrawingColor(kBlack);
  g.DrawLine(2, 3, 10, 3);
  g.DrawLine(20, 2, 20, 9);
  g.DrawRect(25, 25, 6, 4);
  const QImage image = picture.Image();
  EXPECT_EQ(Mask(image, 1, 3, 11, 1), ".#########.\n");
  EXPECT_EQ(Mask(image, 20, 1, 1, 10), ".\n#\n#\n#\n#\n#\n#\n#\n#\n.\n");
  EXPECT_EQ(Mask(image, 24, 24, 8, 6),
            "........\n"
            ".######.\n"
            ".#....#.\n"
            ".#....#.\n"
            ".######.\n"
            "........\n");
}

TEST(Graphics, AThickPenDrawsTheOutlineInsideTheRectangle) {
  fw::Picture picture(20, 20, 32);
  fw::Graphics& g = picture.Graphics();
  g.SetPenSize(2);
  g.SetPenHeight(2);
  g.DrawRect(2, 2, 7, 6);
  EXPECT_EQ(Mask(picture.Image(), 1, 1, 9, 8),
            ".........\n"
            ".#######.\n"
            ".#######.\n"
            ".##...##.\n"
            ".##...##.\n"
            ".#######.\n"
            ".#######.\n"
            ".........\n");
}

TEST(Graphics, FillOvalGivesDiscsOfTheSizeAsked) {
  fw::Picture picture(30, 30, 32);
  picture.Graphics().FillOval(2, 2, 3, 3);
  picture.Graphics().FillOval(10, 10, 5, 5);
  const QImage image = picture.Image();
  EXPECT_EQ(Mask(image, 1, 1, 5, 5), ".....\n..#..\n.###.\n..#..\n.....\n");
  EXPECT_EQ(Mask(image, 9, 9, 7, 7),
            ".......\n"
            "..###..\n"
            ".#####.\n"
            ".#####.\n"
            ".#####.\n"
            "..###..\n"
            ".......\n");
}

TEST(Graphics, StateCarriesFromCallToCall) {
  fw::Picture picture(40, 20, 32);
  fw::Graphics& g = picture.Graphics();
  EXPECT_EQ(g.PenSize(), 1);
  EXPECT_EQ(g.PenHeight(), 1);
  g.SetDrawingColor(kRed);
  g.SetFontSize(9);
  g.FillRect(0, 0, 2, 2);
  const double nine = g.StringWidth("1234");
  g.SetFontSize(12);
  EXPECT_GT(g.StringWidth("1234"), nine);
  g.FillRect(5, 5, 1, 1);   // still red
  const QImage image = picture.Image();
  EXPECT_EQ(At(image, 0, 0), kRed);
  EXPECT_EQ(At(image, 5, 5), kRed);
  EXPECT_EQ(g.DrawingColor(), kRed);
}

TEST(Graphics, TextSitsOnItsBaselineAtItsLeftEnd) {
  fw::Picture picture(100, 40, 32);
  fw::Graphics& g = picture.Graphics();
  g.SetFontSize(10);
  g.DrawString("HHHH", 10, 20, 0, false);
  const QImage image = picture.Image();
  EXPECT_TRUE(HasInk(image, 10, 12, 3, 8));
  EXPECT_FALSE(HasInk(image, 0, 0, 10, 40));       // nothing left of x
  EXPECT_FALSE(HasInk(image, 0, 20, 100, 20));     // "H" has no descender
  EXPECT_TRUE(HasInk(image, 10, 19, 40, 1));       // its foot on the row above the baseline
  const int right = RightmostInk(image, 10, 11, 100);
  EXPECT_NEAR(right, 10 + g.StringWidth("HHHH"), 2.5);
}

TEST(Graphics, AWrapWidthBreaksLinesAndCondenseSqueezesOne) {
  const std::string text = "alpha beta gamma delta";
  fw::Picture wrapped(200, 80, 32), condensed(200, 80, 32);
  wrapped.Graphics().SetFontSize(10);
  condensed.Graphics().SetFontSize(10);
  ASSERT_GT(wrapped.Graphics().StringWidth(text), 60);
  wrapped.Graphics().DrawString(text, 5, 15, 60, false);
  condensed.Graphics().DrawString(text, 5, 15, 60, true);
  const QImage w = wrapped.Image(), c = condensed.Image();
  EXPECT_LE(RightmostInk(w, 0, 80, 200), 5 + 60);
  EXPECT_TRUE(HasInk(w, 5, 20, 60, 30));        // further lines below the first
  EXPECT_LE(RightmostInk(c, 0, 80, 200), 5 + 60);
  EXPECT_FALSE(HasInk(c, 0, 19, 200, 60));      // one line only
}

// The smallest rectangle holding every pixel with ink.
QRect InkBox(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (HasInk(image, x, y, 1, 1)) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

// A text shape is centred along its length on the point and stands on it:
// the whole text lies on the side its letters rise towards, so upright it
// lies left of the point, and level above it.
TEST(Graphics, AStringShapeIsCentredAlongItsLengthAndStandsOnThePoint) {
  fw::Picture upright(80, 120, 32);
  upright.Graphics().DrawObject(fw::StringShape{"Eigenvalue", 12, -M_PI / 2}, 40, 60);
  const QRect turned = InkBox(upright.Image());
  EXPECT_GT(turned.height(), 3 * turned.width());
  EXPECT_NEAR((turned.top() + turned.bottom()) / 2.0, 60, 1.5);
  EXPECT_LE(turned.right(), 39);   // descenders included
  EXPECT_GE(turned.left(), 40 - 14);
  // Read from bottom to top: the capital E lies at the bottom end.
  EXPECT_TRUE(HasInk(upright.Image(), turned.left(), turned.bottom() - 1, 3, 1));

  fw::Picture level(120, 80, 32);
  level.Graphics().DrawObject(fw::StringShape{"Eigenvalue", 12, 0}, 60, 40);
  const QRect flat = InkBox(level.Image());
  EXPECT_GT(flat.width(), 3 * flat.height());
  EXPECT_NEAR((flat.left() + flat.right()) / 2.0, 60, 1.5);
  EXPECT_LE(flat.bottom(), 39);
  EXPECT_GE(flat.top(), 40 - 14);
}

TEST(Graphics, DrawPictureTakesOwnSizesForMinusTenThousandAndScalesOtherwise) {
  fw::Picture source(10, 6, 32);
  source.Graphics().SetDrawingColor(kRed);
  source.Graphics().FillRect(0, 0, 10, 6);
  fw::Picture target(40, 40, 32);
  target.Graphics().DrawPicture(source, 3.7, 2, -10000, -10000, 0, 0, -10000, -10000);
  target.Graphics().DrawPicture(source, 20, 20, 20, 12, 0, 0, 10, 6);
  const QImage image = target.Image();
  EXPECT_EQ(At(image, 3, 2), kRed);
  EXPECT_EQ(At(image, 12, 7), kRed);
  EXPECT_TRUE(IsWhite(image, 13, 7));
  EXPECT_TRUE(IsWhite(image, 3, 8));
  EXPECT_EQ(At(image, 39, 31), kRed);
  EXPECT_TRUE(IsWhite(image, 39, 32));
}

TEST(Graphics, APictureHandedOutDoesNotChangeWithLaterDrawing) {
  fw::Picture picture(10, 10, 32);
  picture.Graphics().FillRect(0, 0, 5, 5);
  const QImage before = picture.Image();
  picture.Graphics().FillRect(5, 5, 5, 5);
  EXPECT_TRUE(IsWhite(before, 7, 7));
  EXPECT_FALSE(IsWhite(picture.Image(), 7, 7));
  picture.Graphics().DrawPicture(picture, 6, 0);   // onto itself
  EXPECT_FALSE(IsWhite(picture.Image(), 6, 0));
}

TEST(Graphics, DrawsOnAPainterThatSomeoneElseOwns) {
  QImage page(50, 50, QImage::Format_RGB32);
  page.fill(Qt::white);
  QPainter painter(&page);
  {
    fw::Graphics g(painter);
    g.SetDrawingColor(kRed);
    g.FillRect(10, 10, 5, 5);
    g.DrawLine(0, 40, 49, 40);
    g.NextPage();   // not a paged device: nothing happens
  }
  painter.end();
  EXPECT_EQ(At(page, 12, 12), kRed);
  EXPECT_EQ(At(page, 25, 40), kRed);
  EXPECT_TRUE(IsWhite(page, 9, 9));
}

TEST(Graphics, NextPageStartsAPageOnAPagedDevice) {
  QTemporaryDir dir;
  const QString path = dir.filePath("pages.pdf");
  {
    QPdfWriter writer(path);
    writer.setResolution(72);
    fw::Graphics g(writer);
    g.DrawString("first", 36, 36);
    g.NextPage();
    g.DrawString("second", 36, 36);
  }
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray pdf = file.readAll();
  EXPECT_EQ(pdf.count("/Type /Page") - pdf.count("/Type /Pages"), 2);
}

// Coordinates and sizes without a pixel form: nothing traps, a far end of a
// line keeps the line's direction, and shapes of no size draw nothing.
TEST(Graphics, HostileDoublesNeitherTrapNorDrawWrongly) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double values[] = {nan, inf, -inf, 1e300, -1e300, 9.3e18, -9.3e18, 0, -1, 0.5};
  fw::Picture picture(20, 20, 32);
  fw::Graphics& g = picture.Graphics();
  for (double a : values) {
    for (double b : values) {
      g.SetPenSize(a);
      g.SetFontSize(static_cast<float>(b));
      g.DrawLine(a, b, 5, 5);
      g.DrawRect(a, 1, b, 3);
      g.FillOval(1, a, 3, b);
      g.DrawString("x", a, b, b, true);
      g.DrawPicture(picture, a, b, a, b, b, a, a, b);
      g.DrawObject(fw::StringShape{"y", a, b}, a, b);
      (void)g.StringWidth("z");
    }
  }
  fw::Picture fresh(20, 20, 32);
  fw::Graphics& f = fresh.Graphics();
  f.FillRect(2, 2, -3, 5);
  f.FillOval(2, 2, 0, 5);
  f.DrawLine(-1e300, 10, 1e300, 10);   // a horizontal line across the picture
  const QImage image = fresh.Image();
  EXPECT_TRUE(IsWhite(image, 1, 3));
  EXPECT_TRUE(IsWhite(image, 2, 3));
  EXPECT_EQ(At(image, 0, 10), kBlack);
  EXPECT_EQ(At(image, 19, 10), kBlack);
  EXPECT_TRUE(IsWhite(image, 10, 9));
}

}  // namespace
