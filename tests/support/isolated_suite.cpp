#include "support/isolated_suite.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QtTest>

#include "kernel/uniform_random.h"
#include "platform/language.h"

namespace noyalis::test {

void IsolatedSuite::init() {
  services.emplace();
  platform::SetLanguageCode("FR");
  QLocale::setDefault(QLocale::c());
  kernel::UniformRandom::setState(0);
  previousDir_ = QDir::currentPath();
  workingDir_.emplace();
  QVERIFY(workingDir_->isValid());
  QVERIFY(QDir::setCurrent(workingDir_->path()));
  initEach();
}

void IsolatedSuite::cleanup() {
  cleanupEach();
  QDir::setCurrent(previousDir_);
  workingDir_.reset();
  QLocale::setDefault(QLocale::c());
  platform::SetLanguageCode("FR");
  services.reset();
}

void IsolatedSuite::writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
           qPrintable(path));
}

}  // namespace noyalis::test
