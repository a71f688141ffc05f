// Screen print and chart print, each to a PDF file through the test print service.
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QtTest>

#include "platform/chart.h"
#include "platform/printing.h"
#include "platform/screen_base.h"
#include "platform/widgets.h"
#include "support/isolated_suite.h"

using namespace noyalis;
using platform::ScreenBase;

namespace {

// Notes the screen's background colour each time it is painted (the print takes a picture).
class BackgroundProbe : public QWidget {
 public:
  explicit BackgroundProbe(QWidget* screen) : QWidget(screen) { setGeometry(700, 500, 20, 20); }
  QList<QColor> seen;

 protected:
  void paintEvent(QPaintEvent*) override { seen << parentWidget()->palette().color(QPalette::Window); }
};

class PrintedScreen : public ScreenBase {
 public:
  explicit PrintedScreen(QColor background) : ScreenBase(nullptr, "TformPrint", background) {
    platform::MakeLabel(this, "Label6", "Durée totale > 5.00s", 266, 122, Qt::black);
    platform::MakeEdit(this, "Edit2M", 148, 67, 105, "27.20");
    probe = new BackgroundProbe(this);
  }
  BackgroundProbe* probe;
};

// A PDF file as the print left it: its size, and whether it starts and ends as a PDF does.
struct PdfFile {
  explicit PdfFile(const QString& path) {
    QFile file(path);
    exists = file.open(QIODevice::ReadOnly);
    bytes = file.readAll();
  }
  bool isPdf() const { return bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF"); }
  bool exists;
  QByteArray bytes;
};

}  // namespace

class PrintingTest : public test::IsolatedSuite {
  Q_OBJECT

 private slots:
  void screenPrintIsOnePageAndRestoresTheBackground_data();
  void screenPrintIsOnePageAndRestoresTheBackground();
  void cancelledScreenPrintChangesNothing();
  void screenPrintErrorIsShownAndLeavesTheBackgroundWhite();

  void chartPrintWritesOnePageWithoutDialog();
  void chartPrintWithoutPrinterOrWithAnErrorIsShown();
  void aJobTheQueueRefusesIsReported_data();
  void aJobTheQueueRefusesIsReported();
  void chartPrintAreaKeepsMarginsAndProportions_data();
  void chartPrintAreaKeepsMarginsAndProportions();
  void screenPrintKeepsTheWholeScreen_data();
  void screenPrintKeepsTheWholeScreen();
};

void PrintingTest::screenPrintIsOnePageAndRestoresTheBackground_data() {
  QTest::addColumn<QColor>("normal");
  QTest::newRow("silver screen") << platform::kSilver;
  QTest::newRow("dice screen, light green") << platform::kLightGreen;
}

void PrintingTest::screenPrintIsOnePageAndRestoresTheBackground() {
  QFETCH(QColor, normal);
  const QString path = "page.pdf";
  services->printing.setDialogOutput(path);
  PrintedScreen screen(normal);
  screen.show();
  QVERIFY(QTest::qWaitForWindowExposed(&screen));
  screen.probe->seen.clear();

  platform::PrintScreen(&screen);

  QCOMPARE(services->printing.dialogsShown(), 1);
  QVERIFY2(services->messages.all().empty(), qPrintable(services->messages.errors().join('\n')));
  const PdfFile pdf(path);
  QVERIFY(pdf.exists);
  QVERIFY(pdf.isPdf());
  QVERIFY2(pdf.bytes.size() > 10000, qPrintable(QString::number(pdf.bytes.size())));  // the picture is in it
  QCOMPARE(pdf.bytes.count("/Type /Page\n") + pdf.bytes.count("/Type /Page\r"), 1);
  QVERIFY(!screen.probe->seen.isEmpty());
  for (const QColor& colour : screen.probe->seen) QCOMPARE(colour, QColor(Qt::white));  // white while printed
  QCOMPARE(screen.palette().color(QPalette::Window), normal);
}

void PrintingTest::cancelledScreenPrintChangesNothing() {
  const QString path = "cancelled.pdf";
  services->printing.setDialogOutput(path);
  services->printing.setCancel(true);
  PrintedScreen screen(platform::kSilver);
  screen.setBackgroundColor(Qt::white);  // as a failed print leaves it
  screen.show();

  platform::PrintScreen(&screen);

  QCOMPARE(services->printing.dialogsShown(), 1);
  QVERIFY(!QFile::exists(path));
  QVERIFY(services->messages.all().empty());
  QCOMPARE(screen.palette().color(QPalette::Window), QColor(Qt::white));
}

void PrintingTest::screenPrintErrorIsShownAndLeavesTheBackgroundWhite() {
  const QString path = "no-such-folder/page.pdf";
  services->printing.setDialogOutput(path);
  PrintedScreen screen(platform::kSilver);
  screen.show();

  platform::PrintScreen(&screen);

  QCOMPARE(services->messages.errors().size(), 1);
  const QString error = services->messages.errors().first();
  QVERIFY2(error.startsWith("Erreur d'impression") && error.contains(path), qPrintable(error));
  QCOMPARE(services->messages.all().front().parent, &screen);
  QVERIFY(!QFile::exists(path));
  QCOMPARE(screen.palette().color(QPalette::Window), QColor(Qt::white));

  // The next successful print brings the normal background back.
  services->printing.setDialogOutput("again.pdf");
  platform::PrintScreen(&screen);
  QCOMPARE(services->messages.errors().size(), 1);
  QCOMPARE(screen.palette().color(QPalette::Window), platform::kSilver);
}

void PrintingTest::chartPrintWritesOnePageWithoutDialog() {
  const QString path = "chart.pdf";
  services->printing.setDefaultOutput(path);
  QWidget screen;
  screen.resize(800, 600);
  auto* chart = new platform::Chart(&screen, "Chart1", {101, 190, 596, 332});
  chart->setTitleLine(0, "Intervalles");
  QCPBars* bars = chart->addBars("Series1", "Mesures", QPen(Qt::red), QBrush(Qt::red, Qt::HorPattern));
  platform::Chart::setData(bars, std::vector<double>{1, 2, 3}, std::vector<double>{5, 9, 2});
  screen.show();
  chart->redraw();
  const QCPRange xBefore = chart->xAxis->range();
  const QRect axisRectBefore = chart->axisRect()->rect();

  platform::PrintChart(chart);

  QCOMPARE(services->printing.dialogsShown(), 0);
  QCOMPARE(services->printing.defaultJobs(), 1);
  QVERIFY2(services->messages.all().empty(), qPrintable(services->messages.errors().join('\n')));
  const PdfFile pdf(path);
  QVERIFY(pdf.exists);
  QVERIFY(pdf.isPdf());
  QVERIFY(pdf.bytes.size() > 1000);
  // Drawn by the chart itself: the PDF holds vectors, not a picture of the screen.
  QVERIFY(!pdf.bytes.contains("/Subtype /Image"));
  // The chart on the screen keeps its axes and its layout.
  QCOMPARE(chart->xAxis->range(), xBefore);
  QCOMPARE(chart->axisRect()->rect(), axisRectBefore);
}

void PrintingTest::chartPrintWithoutPrinterOrWithAnErrorIsShown() {
  platform::Chart chart(nullptr, "Chart1", {0, 0, 596, 332});
  platform::PrintChart(&chart);  // no default printer set: none installed
  QCOMPARE(services->messages.errors(), QStringList{"Aucune imprimante installée"});

  services->messages.clear();
  const QString path = "no-such-folder/chart.pdf";
  services->printing.setDefaultOutput(path);
  platform::PrintChart(&chart);
  QCOMPARE(services->messages.errors().size(), 1);
  QVERIFY2(services->messages.errors().first().startsWith("Erreur d'impression"),
           qPrintable(services->messages.errors().first()));
  QVERIFY(!QFile::exists(path));
}

void PrintingTest::aJobTheQueueRefusesIsReported_data() {
  QTest::addColumn<bool>("screenPrint");
  QTest::addColumn<bool>("rejects");  // the queue rejects jobs; otherwise it aborts the job sent
  QTest::newRow("page, queue rejecting jobs") << true << true;
  QTest::newRow("page, job aborted") << true << false;
  QTest::newRow("chart, queue rejecting jobs") << false << true;
  QTest::newRow("chart, job aborted") << false << false;
}

void PrintingTest::aJobTheQueueRefusesIsReported() {
  QFETCH(bool, screenPrint);
  QFETCH(bool, rejects);
  const QString path = QString("refused-%1-%2.pdf").arg(screenPrint).arg(rejects);
  services->printing.setDialogOutput(path);
  services->printing.setDefaultOutput(path);
  services->printing.setQueueRefuses(rejects);
  services->printing.setQueueAborts(!rejects);
  PrintedScreen screen(platform::kSilver);
  auto* chart = new platform::Chart(&screen, "Chart1", {101, 190, 596, 332});
  screen.show();

  if (screenPrint)
    platform::PrintScreen(&screen);
  else
    platform::PrintChart(chart);

  QCOMPARE(services->messages.errors().size(), 1);
  const QString error = services->messages.errors().first();
  QVERIFY2(error.startsWith("Erreur d'impression") && error.contains(path), qPrintable(error));
  QCOMPARE(QFile::exists(path), !rejects);  // a rejecting queue is sent nothing
  if (screenPrint) QCOMPARE(screen.palette().color(QPalette::Window), QColor(Qt::white));
}

void PrintingTest::chartPrintAreaKeepsMarginsAndProportions_data() {
  QTest::addColumn<QRectF>("page");
  QTest::addColumn<QSizeF>("chart");
  QTest::addColumn<QRectF>("area");
  // A4 portrait at 1200 dpi: 9921 × 14031 dots; the free area is 6944.7 × 9821.7 from (1488.15, 2104.65).
  QTest::newRow("wide chart on a portrait page: full width, centred height")
      << QRectF(0, 0, 9921, 14031) << QSizeF(596, 332)
      << QRectF(1488.15, 2104.65 + (9821.7 - 6944.7 * 332 / 596) / 2, 6944.7, 6944.7 * 332 / 596);
  QTest::newRow("tall chart: full height, centred width")
      << QRectF(0, 0, 1000, 1000) << QSizeF(100, 400) << QRectF(150 + (700 - 175) / 2.0, 150, 175, 700);
  QTest::newRow("exact fit") << QRectF(0, 0, 1000, 2000) << QSizeF(70, 140) << QRectF(150, 300, 700, 1400);
  QTest::newRow("page with an origin")
      << QRectF(100, 200, 1000, 1000) << QSizeF(10, 10) << QRectF(250, 350, 700, 700);
  QTest::newRow("empty chart: the whole free area")
      << QRectF(0, 0, 1000, 1000) << QSizeF() << QRectF(150, 150, 700, 700);
}

void PrintingTest::chartPrintAreaKeepsMarginsAndProportions() {
  QFETCH(QRectF, page);
  QFETCH(QSizeF, chart);
  QFETCH(QRectF, area);
  const QRectF got = platform::ChartPrintArea(page, chart);
  const auto near = [](double a, double b) { return std::abs(a - b) < 1e-6 * std::max(1.0, std::abs(b)); };
  QVERIFY2(
      near(got.x(), area.x()) && near(got.y(), area.y()) && near(got.width(), area.width()) &&
          near(got.height(), area.height()),
      qPrintable(QString("got %1,%2 %3×%4").arg(got.x()).arg(got.y()).arg(got.width()).arg(got.height())));
}

void PrintingTest::screenPrintKeepsTheWholeScreen_data() {
  QTest::addColumn<QSizeF>("dpi");        // the screen's, x and y
  QTest::addColumn<QSizeF>("printable");  // [dots] at 1200 dpi
  QTest::addColumn<QSizeF>("scale");
  // 800 × 600 px at 96 dpi is 10000 × 7500 dots at 1200 dpi.
  QTest::newRow("room enough: on-screen size")
      << QSizeF(96, 96) << QSizeF(11000, 14000) << QSizeF(12.5, 12.5);
  QTest::newRow("A4 a little narrower: the whole width")
      << QSizeF(96, 96) << QSizeF(9600, 13000) << QSizeF(12, 12);
  QTest::newRow("landscape, too short: the whole height")
      << QSizeF(96, 96) << QSizeF(12000, 6000) << QSizeF(10, 10);
  QTest::newRow("uneven screen dpi keeps its proportions")
      << QSizeF(96, 120) << QSizeF(5000, 14000) << QSizeF(6.25, 5);
}

void PrintingTest::screenPrintKeepsTheWholeScreen() {
  QFETCH(QSizeF, dpi);
  QFETCH(QSizeF, printable);
  QFETCH(QSizeF, scale);
  const QSizeF got = platform::ScreenPrintScale(QSizeF(800, 600), dpi, printable, 1200);
  QVERIFY2(std::abs(got.width() - scale.width()) < 1e-9 && std::abs(got.height() - scale.height()) < 1e-9,
           qPrintable(QString("got %1 × %2").arg(got.width()).arg(got.height())));
}

QTEST_MAIN(PrintingTest)
#include "printing_test.moc"
