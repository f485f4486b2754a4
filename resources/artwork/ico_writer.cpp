#include "resources/artwork/ico_writer.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFile>

#include <cstdint>

namespace {

struct IconImage {
  int size;
  int bitsPerPixel;
  QByteArray data;
};

void PutU16(QByteArray& out, std::uint16_t v) {
  out.append(static_cast<char>(v & 0xff));
  out.append(static_cast<char>(v >> 8));
}

void PutU32(QByteArray& out, std::uint32_t v) {
  PutU16(out, static_cast<std::uint16_t>(v & 0xffff));
  PutU16(out, static_cast<std::uint16_t>(v >> 16));
}

int PaddedRow(int bits) { return ((bits + 31) / 32) * 4; }

void PutInfoHeader(QByteArray& out, int size, int bitsPerPixel) {
  PutU32(out, 40);
  PutU32(out, static_cast<std::uint32_t>(size));
  PutU32(out, static_cast<std::uint32_t>(size * 2));  // colour rows and mask rows
  PutU16(out, 1);
  PutU16(out, static_cast<std::uint16_t>(bitsPerPixel));
  PutU32(out, 0);
  PutU32(out, static_cast<std::uint32_t>((PaddedRow(size * bitsPerPixel) + PaddedRow(size)) * size));
  PutU32(out, 0);
  PutU32(out, 0);
  PutU32(out, bitsPerPixel == 8 ? 256 : 0);
  PutU32(out, 0);
}

// The 1-bit transparency mask, rows bottom up: a set bit is transparent.
void PutMask(QByteArray& out, const QImage& argb) {
  const int size = argb.width();
  for (int y = size - 1; y >= 0; --y) {
    QByteArray row(PaddedRow(size), '\0');
    for (int x = 0; x < size; ++x) {
      if (qAlpha(argb.pixel(x, y)) < 128) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
    }
    out.append(row);
  }
}

QByteArray Bitmap32(const QImage& argb) {
  const int size = argb.width();
  QByteArray out;
  PutInfoHeader(out, size, 32);
  for (int y = size - 1; y >= 0; --y) {
    for (int x = 0; x < size; ++x) {
      const QRgb p = argb.pixel(x, y);
      out.append(static_cast<char>(qBlue(p)));
      out.append(static_cast<char>(qGreen(p)));
      out.append(static_cast<char>(qRed(p)));
      out.append(static_cast<char>(qAlpha(p)));
    }
  }
  PutMask(out, argb);
  return out;
}

QByteArray Bitmap8(const QImage& argb) {
  const int size = argb.width();
  QImage flat(argb.size(), QImage::Format_RGB32);
  flat.fill(Qt::white);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const QColor c = QColor::fromRgba(argb.pixel(x, y));
      const double a = c.alphaF();
      flat.setPixel(x, y, qRgb(static_cast<int>(c.red() * a + 255 * (1 - a)),
                               static_cast<int>(c.green() * a + 255 * (1 - a)),
                               static_cast<int>(c.blue() * a + 255 * (1 - a))));
    }
  }
  const QImage indexed = flat.convertToFormat(QImage::Format_Indexed8);
  QByteArray out;
  PutInfoHeader(out, size, 8);
  QList<QRgb> table = indexed.colorTable();
  table.resize(256, qRgb(0, 0, 0));
  for (QRgb c : table) {
    out.append(static_cast<char>(qBlue(c)));
    out.append(static_cast<char>(qGreen(c)));
    out.append(static_cast<char>(qRed(c)));
    out.append('\0');
  }
  for (int y = size - 1; y >= 0; --y) {
    QByteArray row(PaddedRow(size * 8), '\0');
    for (int x = 0; x < size; ++x) row[x] = static_cast<char>(indexed.pixelIndex(x, y));
    out.append(row);
  }
  PutMask(out, argb);
  return out;
}

QByteArray Png(const QImage& argb) {
  QByteArray out;
  QBuffer buffer(&out);
  buffer.open(QIODevice::WriteOnly);
  argb.save(&buffer, "png");
  return out;
}

std::vector<IconImage> Images(const std::vector<QImage>& pictures) {
  std::vector<IconImage> images;
  for (const QImage& p : pictures) {
    if (p.width() < 256) images.push_back({p.width(), 8, Bitmap8(p.convertToFormat(QImage::Format_ARGB32))});
  }
  for (const QImage& p : pictures) {
    const QImage argb = p.convertToFormat(QImage::Format_ARGB32);
    images.push_back({p.width(), 32, p.width() >= 256 ? Png(argb) : Bitmap32(argb)});
  }
  return images;
}

}  // namespace

bool WriteIco(const std::vector<QImage>& pictures, const QString& path) {
  const std::vector<IconImage> images = Images(pictures);
  QByteArray out;
  PutU16(out, 0);
  PutU16(out, 1);
  PutU16(out, static_cast<std::uint16_t>(images.size()));
  std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
  for (const IconImage& image : images) {
    out.append(static_cast<char>(image.size >= 256 ? 0 : image.size));
    out.append(static_cast<char>(image.size >= 256 ? 0 : image.size));
    out.append('\0');  // colour count: 0 for 256 colours and more
    out.append('\0');
    PutU16(out, 1);
    PutU16(out, static_cast<std::uint16_t>(image.bitsPerPixel));
    PutU32(out, static_cast<std::uint32_t>(image.data.size()));
    PutU32(out, offset);
    offset += static_cast<std::uint32_t>(image.data.size());
  }
  for (const IconImage& image : images) out.append(image.data);
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(out) == out.size() && file.flush();
}
