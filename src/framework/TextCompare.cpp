#include "framework/TextCompare.h"

#include <QString>

#include "framework/detail/Convert.h"

namespace fw {

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
  return QString::compare(detail::ToQt(a), detail::ToQt(b), Qt::CaseInsensitive) == 0;
}

}  // namespace fw
