#include "framework/ui/resources.h"

#include <QFile>

#include "framework/base/exception_hook.h"
#include "framework/ui/internal.h"

namespace fw {

std::string ResourceBytes(std::string_view path) {
  QFile file(ToQt(path));
  if (!file.open(QIODevice::ReadOnly)) throw NilObjectException("no resource " + std::string(path));
  const QByteArray bytes = file.readAll();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace fw
