#include "framework/date/date.h"

#include <QDateTime>
#include <QLocale>

namespace fw {

Date::Date() : msecsSinceEpoch_(QDateTime::currentMSecsSinceEpoch()) {}

std::string Date::ShortDate() const {
  const QDate date = QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch_).date();
  return QLocale().toString(date, QLocale::ShortFormat).toStdString();
}

std::string Date::ShortTime() const {
  const QTime time = QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch_).time();
  return QLocale().toString(time, QLocale::ShortFormat).toStdString();
}

}  // namespace fw
