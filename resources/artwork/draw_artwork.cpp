// Draws the program's own pictures: the logo, the help icon and the
// application icon in its sizes. Run it once after changing the artwork and
// commit what it writes; the build itself only copies the files.
//
//   quarnel_artwork <resources folder>
#include <QGuiApplication>
#include <QImage>
#include <QByteArray>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <cstdio>
#include <vector>

#include "resources/artwork/ico_writer.h"

namespace {

// A typical run of eigenvalues: a steep drop, then the flat scree.
const std::vector<double> kEigenvalues = {5.2, 2.5, 1.35, 0.9, 0.72, 0.6, 0.52, 0.46};

const QColor kInk(0, 0, 200);
const QColor kTail(200, 40, 40);
const QColor kAxis(70, 70, 90);

// The window pictures are opaque on the windows' white, since a backdrop is
// shown without its alpha; the application icons keep theirs.
QImage Blank(int width, int height, const QColor& fill) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(fill);
  image.setDotsPerMeterX(2835);  // 72 dpi: one point is one pixel
  image.setDotsPerMeterY(2835);
  return image;
}

// The scree points mapped into the rectangle, first point at the top left.
std::vector<QPointF> ScreePoints(const QRectF& area) {
  std::vector<QPointF> points;
  const double step = area.width() / static_cast<double>(kEigenvalues.size() - 1);
  const double top = kEigenvalues.front();
  for (std::size_t i = 0; i < kEigenvalues.size(); ++i) {
    const double y = area.bottom() - kEigenvalues[i] / top * area.height();
    points.emplace_back(area.left() + step * static_cast<double>(i), y);
  }
  return points;
}

// The curve, its points and the straight line laid along the scree.
void DrawScree(QPainter& painter, const QRectF& area, const QColor& ink, double pen, double dot,
               bool withTail) {
  const std::vector<QPointF> points = ScreePoints(area);
  if (withTail) {
    const QPointF from = points[3], to = points.back();
    const QPointF along = (to - from) * 0.7;
    painter.setPen(QPen(kTail, pen * 0.8, Qt::DashLine, Qt::RoundCap));
    painter.drawLine(from - along, to + along * 0.1);
  }
  painter.setPen(QPen(ink, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPolyline(points.data(), static_cast<int>(points.size()));
  painter.setPen(Qt::NoPen);
  painter.setBrush(ink);
  for (const QPointF& p : points) painter.drawEllipse(p, dot, dot);
}

void DrawAxes(QPainter& painter, const QRectF& area, double pen) {
  painter.setPen(QPen(kAxis, pen, Qt::SolidLine, Qt::SquareCap));
  painter.drawLine(area.topLeft(), area.bottomLeft());
  painter.drawLine(area.bottomLeft(), area.bottomRight());
}

QImage Logo() {
  QImage image = Blank(78, 78, Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(kInk, 2));
  painter.setBrush(Qt::white);
  painter.drawRoundedRect(QRectF(2, 2, 74, 73), 10, 10);
  DrawAxes(painter, QRectF(14, 12, 52, 50), 1.5);
  DrawScree(painter, QRectF(19, 14, 46, 44), kInk, 2, 2.6, true);
  return image;
}

QImage HelpIcon() {
  QImage image = Blank(74, 45, Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kInk);
  painter.drawRoundedRect(QRectF(1, 1, 72, 43), 9, 9);
  painter.setBrush(Qt::white);
  painter.drawEllipse(QRectF(7, 7, 31, 31));
  QFont font("DejaVu Sans");
  font.setPixelSize(25);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(kInk);
  painter.drawText(QRectF(7, 6, 31, 31), Qt::AlignCenter, "?");
  DrawScree(painter, QRectF(44, 10, 24, 24), Qt::white, 1.6, 1.5, false);
  return image;
}

QImage AppIcon(int size) {
  QImage image = Blank(size, size, Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const double s = size / 32.0;
  painter.setPen(Qt::NoPen);
  painter.setBrush(kInk);
  painter.drawRoundedRect(QRectF(0.5 * s, 0.5 * s, 31 * s, 31 * s), 6 * s, 6 * s);
  const double pen = size <= 16 ? 1.6 : 2.0 * s;
  DrawScree(painter, QRectF(6 * s, 6 * s, 21 * s, 20 * s), Qt::white, pen, 1.4 * s, false);
  return image;
}

bool Save(const QImage& image, const QString& path, const char* format) {
  QImageWriter writer(path, format);
  if (QByteArray(format) == "tiff") writer.setCompression(1);  // LZW
  if (writer.write(image)) return true;
  std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path),
               qPrintable(writer.errorString()));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <resources folder>\n", argv[0]);
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]) + "/";
  bool ok = Save(Logo(), out + "Quarnel.tiff", "tiff");
  ok = Save(HelpIcon(), out + "Vered68 copy.png", "png") && ok;
  std::vector<QImage> icons;
  for (int size : {16, 32, 48, 256}) {
    icons.push_back(AppIcon(size));
    ok = Save(icons.back(), out + QString("icons/quarnel-%1.png").arg(size), "png") && ok;
  }
  ok = WriteIco(icons, out + "icons/quarnel.ico") && ok;
  return ok ? 0 : 1;
}
