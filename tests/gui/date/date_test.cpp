#include "framework/date/date.h"

#include <gtest/gtest.h>

#include <QLocale>

namespace {

TEST(Date, ShortFormsFollowTheLocale) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  const fw::Date now;
  EXPECT_FALSE(now.ShortDate().empty());
  EXPECT_NE(now.ShortDate().find('/'), std::string::npos) << now.ShortDate();
  EXPECT_NE(now.ShortTime().find(':'), std::string::npos) << now.ShortTime();
}

}  // namespace
