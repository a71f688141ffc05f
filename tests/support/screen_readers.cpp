#include "support/screen_readers.h"

#include <QLabel>
#include <QLineEdit>

#include "platform/chart.h"

namespace noyalis::test {

QString Text(const QWidget* root, const char* name) {
  if (auto* edit = root->findChild<QLineEdit*>(name)) return edit->text();
  if (auto* label = root->findChild<QLabel*>(name)) return label->text();
  return QString("<no %1>").arg(name);
}

int Points(const QWidget* root, const char* chart, const QString& series) {
  return platform::Chart::pointCount(root->findChild<platform::Chart*>(chart)->series(series));
}

bool Shown(const QWidget* root, const char* name) {
  return root->findChild<QWidget*>(name)->isVisible();
}

}  // namespace noyalis::test
