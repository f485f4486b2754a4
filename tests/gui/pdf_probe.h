// Reading back a printed PDF with poppler's tools: page size, text, the
// boxes of the words and the images on the pages. Header only; the print
// tests of every window use it.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace pdfprobe {

inline std::string Run(const char* tool, const QStringList& arguments) {
  QProcess process;
  process.start(tool, arguments);
  process.waitForFinished(20000);
  return process.readAllStandardOutput().toStdString();
}

inline bool HavePoppler() {
  return !Run("sh", {"-c", "command -v pdfinfo pdftotext pdfimages"}).empty();
}

// The number that follows key in text from position from, or -1.
inline double NumberAfter(const std::string& text, const std::string& key,
                          std::size_t from = 0) {
  const std::size_t at = text.find(key, from);
  if (at == std::string::npos) return -1;
  return std::strtod(text.c_str() + at + key.size(), nullptr);
}

inline int PageCount(const std::string& pdf) {
  return static_cast<int>(NumberAfter(Run("pdfinfo", {QString::fromStdString(pdf)}), "Pages:"));
}

// pdfinfo's "Page size" line: "612 x 792 pts (letter)".
inline std::string PageSize(const std::string& pdf) {
  const std::string info = Run("pdfinfo", {QString::fromStdString(pdf)});
  const std::size_t at = info.find("Page size:");
  if (at == std::string::npos) return "";
  const std::size_t start = info.find_first_not_of(' ', at + 10);
  return info.substr(start, info.find('\n', start) - start);
}

// The text of every page in reading order, one string for the document.
inline std::string Text(const std::string& pdf) {
  return Run("pdftotext", {QString::fromStdString(pdf), "-"});
}

struct Word {
  int page;
  double xMin, yMin, xMax, yMax;   // points from the paper's top left
  std::string text;
};

struct Pages {
  double width = 0, height = 0;    // of the first page, in points
  std::vector<Word> words;
};

inline Pages Words(const std::string& pdf) {
  const std::string boxes = Run("pdftotext", {"-bbox", QString::fromStdString(pdf), "-"});
  Pages pages;
  pages.width = NumberAfter(boxes, "<page width=\"");
  pages.height = NumberAfter(boxes, "height=\"", boxes.find("<page "));
  int page = 0;
  std::size_t nextPage = boxes.find("<page ");
  for (std::size_t at = 0; (at = boxes.find("<word ", at)) != std::string::npos; ++at) {
    while (nextPage != std::string::npos && nextPage < at) {
      ++page;
      nextPage = boxes.find("<page ", nextPage + 1);
    }
    const std::size_t open = boxes.find('>', at) + 1;
    pages.words.push_back({page, NumberAfter(boxes, "xMin=\"", at), NumberAfter(boxes, "yMin=\"", at),
                           NumberAfter(boxes, "xMax=\"", at), NumberAfter(boxes, "yMax=\"", at),
                           boxes.substr(open, boxes.find('<', open) - open)});
  }
  return pages;
}

// The extreme word boxes of one page (0 for all pages).
struct Extent {
  double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
};

inline Extent ExtentOf(const std::vector<Word>& words, int page = 0) {
  Extent e;
  for (const Word& w : words) {
    if (page != 0 && w.page != page) continue;
    e.left = std::min(e.left, w.xMin);
    e.top = std::min(e.top, w.yMin);
    e.right = std::max(e.right, w.xMax);
    e.bottom = std::max(e.bottom, w.yMax);
  }
  return e;
}

struct Image {
  int page, width, height;
  std::string encoding;   // "image" (flate), "jpeg", ...
  double xPpi, yPpi;
};

// pdfimages -list, below its two header lines.
inline std::vector<Image> Images(const std::string& pdf) {
  std::istringstream listing(Run("pdfimages", {"-list", QString::fromStdString(pdf)}));
  std::vector<Image> images;
  std::string line;
  for (int row = 0; std::getline(listing, line); ++row) {
    if (row < 2 || line.empty()) continue;
    std::istringstream fields(line);
    Image image{};
    std::string num, type, color, comp, bpc, interp, object, id;
    fields >> image.page >> num >> type >> image.width >> image.height >> color >> comp >> bpc >>
        image.encoding >> interp >> object >> id >> image.xPpi >> image.yPpi;
    images.push_back(image);
  }
  return images;
}

}  // namespace pdfprobe
