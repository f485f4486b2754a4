// The two pictures: read once, kept, and read again while missing; and the
// picture files that come with the program.
#include <gtest/gtest.h>

#include <QImage>

#include <map>
#include <memory>
#include <string>

#include "core/app/pictures.h"
#include "framework/ui/pictures.h"

namespace {

// A reader that counts reads per file and gives a picture only once the
// file is marked present; nothing is read before it.
class CountingReader {
 public:
  CountingReader() {
    ForgetPictures();
    fw::SetPictureReader([this](const std::string& name) -> std::shared_ptr<fw::Picture> {
      ++reads[name];
      if (!present[name]) return nullptr;
      return std::make_shared<fw::Picture>(10, 10);
    });
  }
  ~CountingReader() { fw::SetPictureReader(nullptr); }

  std::map<std::string, int> reads;
  std::map<std::string, bool> present;
};

TEST(PicturesTest, LogoIsReadOnceAndKept) {
  CountingReader reader;
  reader.present["Quarnel.tiff"] = true;
  const std::shared_ptr<fw::Picture> first = Quarnel();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(Quarnel(), first);
  reader.present["Quarnel.tiff"] = false;  // gone later: the kept picture still serves
  EXPECT_EQ(Quarnel(), first);
  EXPECT_EQ(reader.reads["Quarnel.tiff"], 1);
  EXPECT_EQ(reader.reads["Vered68 copy.png"], 0);
}

TEST(PicturesTest, MissingHelpIconIsReadAgainUntilItAppears) {
  CountingReader reader;
  EXPECT_EQ(Vered68copy(), nullptr);
  EXPECT_EQ(Vered68copy(), nullptr);
  EXPECT_EQ(reader.reads["Vered68 copy.png"], 2);
  reader.present["Vered68 copy.png"] = true;
  const std::shared_ptr<fw::Picture> found = Vered68copy();
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(Vered68copy(), found);
  EXPECT_EQ(reader.reads["Vered68 copy.png"], 3);
}

// The files fit the canvases that show them: the logo 78 x 78 (the main
// window's canvas is one row lower, and that row is plain white), the help
// icon 74 x 45. Both are opaque, since a backdrop is shown without alpha.
// Reading the TIFF also shows that Qt's TIFF support is there.
TEST(PicturesTest, PictureFilesHaveTheCanvasSizes) {
  const std::string folder = QUARNEL_RESOURCES_DIR;
  const QImage logo(QString::fromStdString(folder + "/Quarnel.tiff"));
  ASSERT_FALSE(logo.isNull());
  EXPECT_EQ(logo.size(), QSize(78, 78));
  EXPECT_FALSE(logo.hasAlphaChannel() && logo.pixelColor(0, 0).alpha() < 255);
  for (int x = 0; x < logo.width(); ++x) EXPECT_EQ(logo.pixel(x, 77), qRgb(255, 255, 255)) << x;
  const QImage help(QString::fromStdString(folder + "/Vered68 copy.png"));
  ASSERT_FALSE(help.isNull());
  EXPECT_EQ(help.size(), QSize(74, 45));
  EXPECT_EQ(help.pixelColor(0, 0).alpha(), 255);
}

}  // namespace
