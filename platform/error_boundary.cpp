#include "platform/error_boundary.h"

#include <QString>
#include <exception>

#include "platform/services.h"

namespace noyalis::platform {

void ShowCurrentError(QWidget* parent) {
  QString text = QStringLiteral("Unknown error");
  if (const std::exception_ptr current = std::current_exception()) {
    try {
      std::rethrow_exception(current);
    } catch (const std::exception& e) {  // kernel::Error and the standard library's own
      text = QString::fromUtf8(e.what());
    } catch (...) {
    }
  }
  Messages().error(parent, text);
}

}  // namespace noyalis::platform
