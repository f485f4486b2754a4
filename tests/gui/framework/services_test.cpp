#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>

#include <gmock/gmock.h>

#include "framework/graphics/graphics.h"
#include "framework/ui/pictures.h"
#include "framework/ui/qt_services.h"
#include "tests/support/scripted_services.h"

namespace {

using ::testing::ElementsAre;

// A picture with a colour in each quarter, so that a flipped or shifted copy shows.
std::unique_ptr<fw::Picture> Quarters() {
  auto picture = std::make_unique<fw::Picture>(60, 42);
  auto& g = picture->Graphics();
  const fw::Color colours[] = {fw::RGB(255, 0, 0), fw::RGB(0, 128, 0), fw::RGB(0, 0, 255),
                               fw::RGB(255, 255, 0)};
  for (int i = 0; i < 4; ++i) {
    g.SetDrawingColor(colours[i]);
    g.FillRect((i % 2) * 30, (i / 2) * 21, 30, 21);
  }
  return picture;
}

void ExpectSameQuarters(const QImage& copy, int tolerance) {
  const QImage original = Quarters()->Image();
  ASSERT_EQ(copy.size(), original.size());
  for (QPoint at : {QPoint(10, 10), QPoint(45, 10), QPoint(10, 30), QPoint(45, 30)}) {
    const QColor a = original.pixelColor(at), b = copy.pixelColor(at);
    EXPECT_NEAR(a.red(), b.red(), tolerance);
    EXPECT_NEAR(a.green(), b.green(), tolerance);
    EXPECT_NEAR(a.blue(), b.blue(), tolerance);
  }
}

TEST(Clipboard, PictureRoundTripsThroughTheQtClipboard) {
  fw::QtServices qt;
  qt.SetClipboardPicture(*Quarters());
  auto back = qt.ClipboardPicture();
  ASSERT_NE(back, nullptr);
  ExpectSameQuarters(back->Image(), 0);
  QApplication::clipboard()->clear();
  EXPECT_EQ(qt.ClipboardPicture(), nullptr);
}

TEST(Export, EveryOfferedFormatWritesAPictureThatReadsBack) {
  QTemporaryDir dir;
  int count = 0;
  const fw::PictureFormat* formats = fw::ExportFormats(&count);
  ASSERT_EQ(count, 4);
  for (int i = 0; i < count; ++i) {
    const QString path = dir.filePath(QString("plot.") + formats[i].suffix);
    QString error;
    ASSERT_TRUE(fw::WritePictureFile(Quarters()->Image(), path, formats[i].format, &error))
        << formats[i].filter << ": " << error.toStdString();
    const QImage back(path);
    ExpectSameQuarters(back, std::string(formats[i].format) == "jpg" ? 40 : 0);
  }
  EXPECT_EQ(fw::FormatForPath("a.JPEG")->format, std::string("jpg"));
  EXPECT_EQ(fw::FormatForPath("a.tiff")->format, std::string("tiff"));
  EXPECT_EQ(fw::FormatForPath("a.gif"), nullptr);
  QString error;
  EXPECT_FALSE(fw::WritePictureFile(Quarters()->Image(), dir.filePath("no/such/dir/a.png"), "png",
                                    &error));
  EXPECT_FALSE(error.isEmpty());
}

TEST(Export, TheChosenFilterGivesTheFormatWhenTheNameHasNoKnownSuffix) {
  QTemporaryDir dir;
  QString error;
  const QString tiff = fw::ExportPictureTo(Quarters()->Image(), dir.filePath("plot"),
                                           "TIFF (*.tif *.tiff)", &error);
  EXPECT_EQ(tiff, dir.filePath("plot.tif"));
  ExpectSameQuarters(QImage(tiff), 0);
  // A known suffix wins over the filter.
  const QString bmp = fw::ExportPictureTo(Quarters()->Image(), dir.filePath("plot.bmp"),
                                          "PNG (*.png)", &error);
  EXPECT_EQ(QImageReader(bmp).format(), "bmp");
}

TEST(ScriptedServices, RecordsEveryCallInOrderAndAnswersFromItsQueues) {
  QTemporaryDir dir;
  const std::string png = QDir(dir.path()).filePath("plot.png").toStdString();
  fw::ScriptedServices script;
  EXPECT_EQ(&fw::services(), &script);
  script.AnswerMsgBox(fw::MsgBoxAnswer::Yes);
  script.CancelPrinterDialog();
  script.AnswerExport(png);

  fw::services().Beep();
  fw::services().MsgBox("Nothing to print.");
  EXPECT_EQ(fw::services().MsgBox("Are you sure you want to erase this graph",
                                  fw::MsgBoxButtons::YesNoQuestion, ""),
            fw::MsgBoxAnswer::Yes);
  EXPECT_EQ(fw::services().MsgBox("Again?", fw::MsgBoxButtons::YesNoQuestion, ""),
            fw::MsgBoxAnswer::No);
  EXPECT_EQ(fw::services().OpenPrinterDialog(), nullptr);
  EXPECT_TRUE(fw::services().ExportPicture(*Quarters()));
  fw::services().SetClipboardPicture(*Quarters());
  EXPECT_THAT(script.calls(),
              ElementsAre("Beep", "MsgBox: Nothing to print.",
                          "MsgBox 36: Are you sure you want to erase this graph -> 6",
                          "MsgBox 36: Again? -> 7 (unscripted)", "OpenPrinterDialog -> cancel",
                          "ExportPicture 60x42 -> " + png, "SetClipboardPicture 60x42"));
  ExpectSameQuarters(QImage(QString::fromStdString(png)), 0);
  ExpectSameQuarters(script.clipboard()->Image(), 0);
  EXPECT_EQ(script.Count("Beep"), 1);
}

TEST(ScriptedServices, RestoresThePreviousServicesWhenItGoes) {
  fw::Services* before = &fw::services();
  {
    fw::ScriptedServices outer;
    {
      fw::ScriptedServices inner;
      EXPECT_EQ(&fw::services(), &inner);
    }
    EXPECT_EQ(&fw::services(), &outer);
  }
  EXPECT_EQ(&fw::services(), before);
}

TEST(Pictures, ReadByNameGiveNothingWhileMissingAndThePictureOnceThere) {
  QTemporaryDir dir;
  fw::SetPictureFolders({dir.path().toStdString()});
  EXPECT_EQ(fw::ReadPicture("Quarnel.tiff"), nullptr);
  ASSERT_TRUE(Quarters()->Image().save(dir.filePath("Quarnel.tiff"), "tiff"));
  auto logo = fw::ReadPicture("Quarnel.tiff");
  ASSERT_NE(logo, nullptr);
  EXPECT_EQ(logo->Width(), 60);
  ASSERT_TRUE(Quarters()->Image().save(dir.filePath("Vered68 copy.png"), "png"));
  EXPECT_NE(fw::ReadPicture("Vered68 copy.png"), nullptr);  // a blank in the name
  fw::SetPictureFolders({});
}

}  // namespace
