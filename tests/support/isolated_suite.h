#pragma once
// The base of the QtTest suites whose tests touch the program's process-wide state. Before each
// test it installs fresh test services, French, the C locale, the generator as after a fresh
// start and an empty working directory of the test's own; after it, the real services, French and
// the C locale come back and the directory goes, however the test ended (a failed check leaves
// the test at once, past whatever the test would have put back itself).
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <optional>

#include "support/scoped_services.h"

namespace noyalis::test {

class IsolatedSuite : public QObject {
  Q_OBJECT

 protected:
  // The test services of the test in progress.
  std::optional<ScopedServices> services;

  // What one suite sets before each of its tests, after the rest, and puts back after it (a slot
  // of the suite named init or cleanup would replace the ones here instead).
  virtual void initEach() {}
  virtual void cleanupEach() {}

  // Writes bytes to the file at path (in the test's directory when relative); a file that cannot
  // be written fails the test.
  static void writeFile(const QString& path, const QByteArray& bytes);

 private slots:
  void init();
  void cleanup();

 private:
  std::optional<QTemporaryDir> workingDir_;
  QString previousDir_;
};

}  // namespace noyalis::test
