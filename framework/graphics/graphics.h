// The framework's drawing surface and off-screen picture.
//
// A Graphics is stateful: the drawing colour, font size and pen carry from
// one call to the next, whatever method of whatever class made the call.
// Every coordinate and size is a Double in device units (pixels of a picture,
// or 1/72 inch on a printer page set to 72 units per inch). Values that have
// no pixel form (NaN, infinities, huge magnitudes) never trap: shapes are
// clipped to what the device can show, and what cannot be shown is skipped.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include <QFont>
#include <QImage>

#include "framework/graphics/color.h"

class QPaintDevice;
class QPainter;

namespace fw {

class Picture;

// The typeface of every text drawn by a Graphics; font sizes are pixel
// heights (a point is a pixel at 72 units per inch).
inline constexpr const char* kDefaultTypeface = "DejaVu Sans";

// A line of text that DrawObject centres along its length on a point and
// stands on it: the bottom of its descenders lies on the point, so the whole
// text lies on the side its letters rise towards (above the point when
// level, left of it when turned upright by -pi/2), and turns about it.
struct StringShape {
  std::string Text;
  double TextSize = 12;   // points
  // Radians; positive turns clockwise on the screen (y grows downward), so
  // -pi/2 stands the text upright, reading from bottom to top.
  double Rotation = 0;
};

class Graphics {
 public:
  // -10000 given to DrawPicture for a size stands for the picture's own size.
  static constexpr double kOwnSize = -10000;

  // Draws on device with a painter of its own, begun now and ended with this.
  explicit Graphics(QPaintDevice& device);
  // Draws with a painter that someone else has begun on a device (a printer
  // page, say) and keeps alive for as long as this Graphics is used.
  explicit Graphics(QPainter& painter);
  ~Graphics();
  Graphics(const Graphics&) = delete;
  Graphics& operator=(const Graphics&) = delete;

  Color DrawingColor() const { return color_; }
  void SetDrawingColor(Color color) { color_ = color; }
  float FontSize() const { return fontSize_; }
  void SetFontSize(float size);
  double PenSize() const { return penWidth_; }
  void SetPenSize(double width) { penWidth_ = width; }
  double PenHeight() const { return penHeight_; }
  void SetPenHeight(double height) { penHeight_ = height; }

  void DrawLine(double x1, double y1, double x2, double y2);
  // The outline lies inside the rectangle: vertical sides PenSize wide,
  // horizontal sides PenHeight high.
  void DrawRect(double x, double y, double width, double height);
  void FillRect(double x, double y, double width, double height);
  // The ellipse inscribed in the rectangle, filled.
  void FillOval(double x, double y, double width, double height);
  // One line of text with its left end at x and its baseline at y. A wrap
  // width above 0 breaks the text into lines no wider than that; condense
  // squeezes a line that would pass the wrap width.
  void DrawString(std::string_view text, double x, double y, double wrapWidth = 0,
                  bool condense = false);
  double StringWidth(std::string_view text) const;
  // Copies the source rectangle of picture into the destination rectangle at
  // (x, y), scaled to the destination size. kOwnSize for a destination or a
  // source size stands for the picture's own width or height.
  void DrawPicture(const Picture& picture, double x, double y, double destWidth = kOwnSize,
                   double destHeight = kOwnSize, double sourceX = 0, double sourceY = 0,
                   double sourceWidth = kOwnSize, double sourceHeight = kOwnSize);
  void DrawObject(const StringShape& shape, double x, double y);

  // Starts a new page when the surface is a printer (or PDF) page; no-op
  // elsewhere.
  void NextPage();

  // The painter underneath, for framework code that draws what Graphics
  // does not offer (styled text on a printer page).
  QPainter& Painter();

 private:
  friend class Picture;
  explicit Graphics(QImage& image, int);   // lazily painted picture surface
  // The painter to draw with now, or nullptr when nothing can be drawn
  // (an empty picture, a device that refused a painter).
  QPainter* ActivePainter() const;
  void End() const;
  QFont FontOfSize(double size) const;
  void FillClipped(double x, double y, double width, double height);

  QImage* image_ = nullptr;                 // set for a picture's surface
  mutable std::unique_ptr<QPainter> own_;   // our painter, when we own it
  QPainter* painter_ = nullptr;             // the painter used
  Color color_{};
  float fontSize_ = 12;
  double penWidth_ = 1;
  double penHeight_ = 1;
};

// An off-screen picture: filled white when made, 72 dots per inch.
class Picture {
 public:
  // Width and height are truncated toward zero and clamped to what a picture
  // can hold (a non-positive or absurd size gives an empty picture). Depth is
  // accepted for the callers' sake; every picture is 32-bit RGB.
  Picture(double width, double height, int depth = 32);
  // A picture holding a copy of image (read from a file, say).
  explicit Picture(const QImage& image);
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  std::int64_t Width() const { return image_.width(); }
  std::int64_t Height() const { return image_.height(); }

  // The picture's drawing surface: one object for the picture's whole life.
  fw::Graphics& Graphics() { return graphics_; }

  // The pixels as they stand now (all drawing so far included). The copy is
  // cheap and does not change when the picture is drawn on afterwards.
  QImage Image() const;

 private:
  QImage image_;
  fw::Graphics graphics_;
};

}  // namespace fw
