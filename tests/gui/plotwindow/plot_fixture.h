// What the plot window's tests share: the window tests' fixture (scripted
// services, the application object, a fresh results record, no window left
// over), calculations run straight into the results record, and pixel reading.
#pragma once

#include <QImage>

#include <string>
#include <vector>

#include "core/calc/module1.h"
#include "core/calc/scree.h"
#include "tests/gui/windows/windows_fixture.h"

// Runs a calculation into the record without a window; true when it completed.
inline bool Calculate(const std::string& variables, const std::string& eigenvalues,
                      Module1& results = module1()) {
  return CalculateScree(
      variables, eigenvalues, [](const std::string&) {},
      [] { return ShortDateTime{"12/10/26", "9:30 AM"}; }, [](const std::string&) {}, results);
}

// The eigenvalues one per line, CR LF between them.
inline std::string Lines(const std::vector<std::string>& values) {
  std::string text;
  for (const std::string& value : values) text += (text.empty() ? "" : "\r\n") + value;
  return text;
}

inline bool IsColor(const QImage& image, int x, int y, QRgb rgb) {
  return (image.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF);
}

constexpr QRgb kBlue = 0x0000FF;
constexpr QRgb kBlack = 0x000000;
