// The one way our colours and UTF-8 texts become Qt's, and back.
#pragma once

#include <QColor>
#include <QString>

#include <string>
#include <string_view>

#include "framework/graphics/color.h"

namespace fw {

inline QColor ToQColor(Color c) { return QColor(c.red, c.green, c.blue); }

inline QString ToQt(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string FromQt(const QString& text) { return text.toStdString(); }

}  // namespace fw
