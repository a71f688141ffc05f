#include "platform/wait_cursor.h"

#include <QApplication>

namespace noyalis::platform {

WaitCursor::WaitCursor() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor() {
  QApplication::restoreOverrideCursor();
}

}  // namespace noyalis::platform
