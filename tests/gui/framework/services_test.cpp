#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QImageReader>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>

#include <algorithm>
#include <functional>
#include <vector>

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

// Answers Qt's own dialog of type D from inside its event loop, as a user
// would: a timer looks for it among the shown top-level widgets and hands
// it to answer once. Any other dialog that comes up is turned down and
// noted, and past the deadline every dialog is, so that a dialog never
// found cannot leave the test waiting.
template <class D>
class DialogAnswer {
 public:
  explicit DialogAnswer(std::function<void(D&)> answer) : answer_(std::move(answer)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Look(); });
    timer_.start(20);
  }

  bool answered() const { return answered_; }
  const QStringList& others() const { return others_; }

 private:
  void Look() {
    const bool late = deadline_.hasExpired();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<QDialog*>(widget);
      if (!dialog || (!dialog->isVisible() && !late)) continue;
      auto* wanted = qobject_cast<D*>(dialog);
      if (wanted && !answered_ && !late) {
        answered_ = true;
        answer_(*wanted);
        continue;
      }
      if (dialog->isVisible()) {
        const auto* box = qobject_cast<QMessageBox*>(dialog);
        others_ << QString(dialog->metaObject()->className()) + ": " + (box ? box->text() : "");
      }
      dialog->reject();
    }
  }

  std::function<void(D&)> answer_;
  bool answered_ = false;
  QStringList others_;
  QDeadlineTimer deadline_{20000};
  QTimer timer_;
};

QByteArray Head(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.read(4);
}

// The file's format is the one chosen in Qt's save dialog: a bare name gets
// the chosen filter's suffix and that format's bytes, whichever filter the
// dialog lists first; nothing else is written.
TEST(ExportDialog, ABareNameIsWrittenInTheFormatOfTheChosenFilter) {
  struct Case {
    const char* filter;
    const char* file;
    std::vector<QByteArray> heads;   // the format's magic numbers
  };
  const Case cases[] = {
      {"TIFF (*.tif *.tiff)", "plot.tif", {QByteArray("II*\0", 4), QByteArray("MM\0*", 4)}},
      {"JPEG (*.jpg *.jpeg)", "plot.jpg", {QByteArray("\xFF\xD8\xFF")}},
      {"BMP (*.bmp)", "plot.bmp", {QByteArray("BM")}},
      {"PNG (*.png)", "plot.png", {QByteArray("\x89PNG")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.filter);
    QTemporaryDir dir;
    DialogAnswer<QFileDialog> answer([&](QFileDialog& dialog) {
      EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
      EXPECT_TRUE(dialog.nameFilters().contains(c.filter)) << dialog.nameFilters().join(";;").toStdString();
      dialog.setDirectory(dir.path());
      dialog.selectNameFilter(c.filter);
      auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
      ASSERT_NE(name, nullptr) << "no file name field in the save dialog";
      name->clear();
      QTest::keyClicks(name, "plot");
      static_cast<QDialog&>(dialog).accept();   // as the Save button does
    });
    EXPECT_TRUE(fw::RunExportDialog(Quarters()->Image()));
    ASSERT_TRUE(answer.answered()) << "no save dialog came up";
    EXPECT_EQ(answer.others().join("; ").toStdString(), "");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).join(" ").toStdString(), c.file);
    const QByteArray head = Head(dir.filePath(c.file));
    EXPECT_TRUE(std::any_of(c.heads.begin(), c.heads.end(),
                            [&](const QByteArray& magic) { return head.startsWith(magic); }))
        << head.toHex().toStdString();
  }
}

// Qt's printer dialog is offered the program's page, not Qt's default one:
// Letter, portrait, 36-point margins. Cancelled, it gives no page.
TEST(PrinterDialog, OffersLetterPortraitWithMarginsOf36Points) {
  QPageLayout offered;
  DialogAnswer<QPrintDialog> answer([&](QPrintDialog& dialog) {
    offered = dialog.printer()->pageLayout();
    dialog.reject();
  });
  EXPECT_EQ(fw::RunPrinterDialog(), nullptr);
  ASSERT_TRUE(answer.answered()) << "no printer dialog came up";
  EXPECT_EQ(answer.others().join("; ").toStdString(), "");
  EXPECT_EQ(offered.pageSize().id(), QPageSize::Letter) << offered.pageSize().name().toStdString();
  EXPECT_EQ(offered.orientation(), QPageLayout::Portrait);
  const QMarginsF margins = offered.margins(QPageLayout::Point);
  EXPECT_THAT((std::vector{margins.left(), margins.top(), margins.right(), margins.bottom()}),
              ElementsAre(36, 36, 36, 36));
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

// The reader named by the suffix comes first; a file that holds another
// format than its name says is still read, by its content.
TEST(Pictures, AFileIsReadWhateverItsSuffixSays) {
  struct Case {
    const char* name;
    const char* format;  // what the file holds
  };
  const Case cases[] = {{"a.png", "png"},  {"a.tiff", "tiff"}, {"a.tif", "tiff"}, {"b.tiff", "png"},
                        {"b.png", "tiff"}, {"a.PNG", "png"},   {"c", "png"},      {"d.jpg", "bmp"}};
  QTemporaryDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QString path = dir.filePath(c.name);
    ASSERT_TRUE(Quarters()->Image().save(path, c.format));
    ExpectSameQuarters(fw::ReadPictureFile(path), 0);
  }
  QFile notAPicture(dir.filePath("e.png"));
  ASSERT_TRUE(notAPicture.open(QIODevice::WriteOnly));
  notAPicture.write("not a picture");
  notAPicture.close();
  EXPECT_TRUE(fw::ReadPictureFile(notAPicture.fileName()).isNull());
  EXPECT_TRUE(fw::ReadPictureFile(dir.filePath("missing.png")).isNull());
}

}  // namespace
