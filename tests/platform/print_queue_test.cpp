// A real CUPS queue, started privately for this test: a queue that rejects jobs is reported by the
// chart print, one that takes them is not. Skipped where no CUPS scheduler can be started.
#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/chart.h"
#include "platform/print_queue.h"
#include "platform/printing.h"
#include "platform/services.h"
#include "support/isolated_suite.h"

using namespace noyalis;

class PrintQueueTest : public test::IsolatedSuite {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanupTestCase();
  void chartPrintReportsAQueueThatRejectsJobs();

 private:
  bool run(const QString& program, const QStringList& arguments);

  QTemporaryDir dir_;
  QProcess scheduler_;
  QString skipReason_;
};

bool PrintQueueTest::run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
         process.exitCode() == 0;
}

void PrintQueueTest::initTestCase() {
  const QString cupsd = QStandardPaths::findExecutable("cupsd", {"/usr/sbin", "/usr/local/sbin"});
  const QString lpadmin = QStandardPaths::findExecutable("lpadmin", {"/usr/sbin", "/usr/bin"});
  if (cupsd.isEmpty() || lpadmin.isEmpty() || !dir_.isValid()) {
    skipReason_ = "no CUPS scheduler installed";
    return;
  }
  const QString root = dir_.path();
  const bool asRoot = ::getuid() == 0;
  for (const char* sub : {"spool", "cache", "state", "log"}) QDir(root).mkpath(sub);
  QFile::setPermissions(root, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                  QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
  if (asRoot) run("chown", {"-R", "lp:lp", root + "/spool", root + "/cache", root + "/state", root + "/log"});
  QFile conf(root + "/cupsd.conf"), files(root + "/cups-files.conf");
  if (!conf.open(QIODevice::WriteOnly) || !files.open(QIODevice::WriteOnly))
    QFAIL("cannot write the configuration");
  conf.write(QString("Listen %1/cups.sock\nWebInterface No\nDefaultAuthType None\n"
                     "<Location />\n Order allow,deny\n Allow all\n</Location>\n"
                     "<Policy default>\n <Limit All>\n  Order deny,allow\n </Limit>\n</Policy>\n")
                 .arg(root)
                 .toUtf8());
  files.write(
      QString("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/state\n"
              "ErrorLog %1/log/error_log\nAccessLog %1/log/access_log\nTempDir %1/spool\nFileDevice Yes\n%2")
          .arg(root, asRoot ? "User lp\nGroup lp\n" : "")
          .toUtf8());
  conf.close();
  files.close();
  scheduler_.start(cupsd, {"-f", "-c", root + "/cupsd.conf", "-s", root + "/cups-files.conf"});
  scheduler_.waitForStarted(5000);
  // Every libcups call of this process, Qt's included, goes to the private scheduler.
  qputenv("CUPS_SERVER", (root + "/cups.sock").toUtf8());
  bool up = false;
  for (int i = 0; i < 100 && !up && scheduler_.state() == QProcess::Running; ++i) {
    QTest::qWait(50);
    up = QFile::exists(root + "/cups.sock") && run("lpstat", {"-r"});
  }
  if (!up || !run(lpadmin, {"-p", "Noyalis", "-v", "file:///dev/null", "-E"}) ||
      !run(lpadmin, {"-d", "Noyalis"}))
    skipReason_ = "the CUPS scheduler could not be started here: " + scheduler_.readAllStandardError();
}

void PrintQueueTest::cleanupTestCase() {
  if (scheduler_.state() == QProcess::NotRunning) return;
  scheduler_.terminate();
  if (!scheduler_.waitForFinished(5000)) scheduler_.kill();
}

void PrintQueueTest::chartPrintReportsAQueueThatRejectsJobs() {
  if (!skipReason_.isEmpty()) QSKIP(qPrintable(skipReason_));
  platform::SetPrintService(nullptr);  // the real default printer: the private queue
  platform::Chart chart(nullptr, "Chart1", {0, 0, 596, 332});
  chart.resize(596, 332);

  QVERIFY(run("cupsreject", {"Noyalis"}));
  QVERIFY(!platform::QueueAcceptsJobs("Noyalis"));
  platform::PrintChart(&chart);
  QCOMPARE(services->messages.errors().size(), 1);
  QVERIFY2(services->messages.errors().first().contains("Noyalis"),
           qPrintable(services->messages.errors().first()));

  services->messages.clear();
  QVERIFY(run("cupsaccept", {"Noyalis"}));
  const int before = platform::NewestJob("Noyalis");
  platform::PrintChart(&chart);
  QVERIFY2(services->messages.all().empty(), qPrintable(services->messages.errors().join('\n')));
  QVERIFY(platform::NewestJob("Noyalis") > before);
}

QTEST_MAIN(PrintQueueTest)
#include "print_queue_test.moc"
