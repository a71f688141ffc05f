// Chart images: the right-click menu in every language, PNG, SVG and PDF files drawn by the chart
// with the result boxes the screen lays over it, at its size or twice it, the dialog starting in
// the working directory, a clear error when the file cannot be written, and right-clicks on points
// left to the screens that use them.
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <vector>

#include "platform/chart.h"
#include "platform/chart_data_export.h"
#include "platform/chart_image_export.h"
#include "platform/language.h"
#include "support/isolated_suite.h"

using namespace noyalis;
using platform::Chart;

namespace {

// Answers the file dialog with a set path and remembers what it was asked, while it lives.
class ScriptedChooser final : public platform::ImageFileChooser {
 public:
  ScriptedChooser() { platform::SetImageFileChooser(this); }
  ~ScriptedChooser() override { platform::SetImageFileChooser(nullptr); }
  QString chooseImageFile(QWidget*, const QString& title, const QString& proposedPath,
                          const QStringList& filters) override {
    asked = {title, proposedPath, filters};
    ++calls;
    return answer;
  }
  struct Question {
    QString title, proposedPath;
    QStringList filters;
  } asked;
  int calls = 0;
  QString answer;
};

// A screen-like window holding one chart with bars and points, a result box laid over the chart,
// and a box under it and a hidden caption over it that no image shows.
struct ChartScreen {
  ChartScreen() {
    window.setObjectName("TFormTest");
    window.resize(500, 400);
    (new QLineEdit("under the chart", &window))->setGeometry(20, 20, 120, 24);
    chart = new Chart(&window, "Chart1", {10, 10, 400, 300});
    box = new QLineEdit("0.0421", &window);
    box->setGeometry(30, 270, 80, 24);
    (new QLabel("hidden caption", &window))->setGeometry(30, 240, 120, 20);
    window.findChild<QLabel*>()->hide();
    bars = chart->addBars("Series1", "Mesures", QPen(Qt::red), QBrush(Qt::gray));
    points = chart->addPoints("Series2", "Poisson", QCPScatterStyle::ssCircle, 6, Qt::blue, Qt::black);
    const std::vector<double> x = {1, 2, 3, 4, 5}, y = {2, 5, 9, 5, 2};
    Chart::setData(bars, x, y);
    Chart::setData(points, x, y);
    chart->redraw();
    window.show();
  }
  QWidget window;
  Chart* chart;
  QLineEdit* box;
  QCPBars* bars;
  QCPGraph* points;
};

// Sends a context-menu request as a right-click there would; returns the menu it opened.
QMenu* RequestMenu(Chart* chart, QPoint pos, QContextMenuEvent::Reason reason = QContextMenuEvent::Mouse) {
  QContextMenuEvent request(reason, pos, chart->mapToGlobal(pos));
  QApplication::sendEvent(chart, &request);
  return chart->findChild<QMenu*>("ChartImageMenu");
}

QPoint EmptyCorner(Chart* chart) {
  return chart->axisRect()->rect().topLeft() + QPoint(3, 3);
}

}  // namespace

class ChartImageExportTest : public test::IsolatedSuite {
  Q_OBJECT
 private slots:
  void menuSpeaksTheScreensLanguage_data();
  void menuSpeaksTheScreensLanguage();
  void writesEachFormatAtItsSize_data();
  void writesEachFormatAtItsSize();
  void dialogStartsInTheWorkingDirectoryAndCancelWritesNothing();
  void aFileThatCannotBeWrittenGivesAClearError();
  void rightClicksOnPointsStayWithTheScreenThatUsesThem();
  void dataRowsMergeTheSeriesAndTheFileFollowsRfc4180();
};

void ChartImageExportTest::menuSpeaksTheScreensLanguage_data() {
  QTest::addColumn<QString>("code");
  QTest::addColumn<QString>("entry");
  QTest::addColumn<QString>("copy");
  const char* rows[][4] = {
      {"French", "FR", "Enregistrer l'image…", "Copier les données"},
      {"English", "UK", "Save the image…", "Copy the data"},
      {"Italian", "IT", "Salva l'immagine…", "Copia i dati"},
      {"Spanish", "ES", "Guardar la imagen…", "Copiar los datos"},
      {"German", "DE", "Bild speichern…", "Daten kopieren"},
  };
  for (const auto& r : rows) QTest::newRow(r[0]) << r[1] << r[2] << r[3];
}

void ChartImageExportTest::menuSpeaksTheScreensLanguage() {
  QFETCH(QString, code);
  QFETCH(QString, entry);
  QFETCH(QString, copy);
  platform::SetLanguageCode(code);
  ChartScreen screen;
  QMenu* menu = RequestMenu(screen.chart, EmptyCorner(screen.chart));
  QVERIFY(menu);
  QCOMPARE(menu->actions()[0]->text(), entry);
  QVERIFY(menu->actions()[1]->text().endsWith(u'…'));
  QVERIFY(menu->actions()[1]->text() != entry);
  // Then the chart's data for spreadsheets.
  QCOMPARE(menu->findChild<QAction*>("CopyChartData")->text(), copy);
  const QString saveData = menu->findChild<QAction*>("SaveChartData")->text();
  QVERIFY(saveData.endsWith(u'…') && saveData != entry);
  menu->close();
  // The keyboard reaches the chart with Tab and opens the same menu.
  QVERIFY(screen.chart->focusPolicy() & Qt::TabFocus);
  QTRY_VERIFY(!screen.chart->findChild<QMenu*>("ChartImageMenu"));
  QVERIFY(RequestMenu(screen.chart, {}, QContextMenuEvent::Keyboard));
}

void ChartImageExportTest::writesEachFormatAtItsSize_data() {
  QTest::addColumn<QString>("file");
  QTest::addColumn<int>("scale");
  QTest::addColumn<QString>("action");
  QTest::addColumn<QByteArray>("magic");
  QTest::newRow("PNG") << "chart.png" << 1 << "SaveChartImage" << QByteArray("\x89PNG");
  QTest::newRow("PNG double") << "chart2.png" << 2 << "SaveChartImageLarge" << QByteArray("\x89PNG");
  QTest::newRow("SVG") << "chart.svg" << 1 << "SaveChartImage" << QByteArray("<?xml");
  QTest::newRow("PDF") << "chart.pdf" << 1 << "SaveChartImage" << QByteArray("%PDF");
}

void ChartImageExportTest::writesEachFormatAtItsSize() {
  QFETCH(QString, file);
  QFETCH(QString, action);
  QFETCH(QByteArray, magic);
  QFETCH(int, scale);
  ScriptedChooser chooser;
  QTemporaryDir dir;
  chooser.answer = dir.filePath(file);
  ChartScreen screen;
  QMenu* menu = RequestMenu(screen.chart, EmptyCorner(screen.chart));
  QVERIFY(menu);
  menu->findChild<QAction*>(action)->trigger();
  QTRY_COMPARE(chooser.calls, 1);
  QVERIFY(services->messages.errors().isEmpty());
  QFile written(chooser.answer);
  QVERIFY(written.open(QIODevice::ReadOnly));
  const QByteArray bytes = written.readAll();
  QVERIFY2(bytes.startsWith(magic), bytes.left(16).constData());
  if (file.endsWith(".png")) {
    const QImage image = QImage::fromData(bytes);
    QCOMPARE(image.size(), screen.chart->size() * scale);
    // Drawn by the chart: the white background and the red outline of the bars are there.
    QCOMPARE(image.pixelColor(2, 2), QColor(Qt::white));
    bool red = false;
    for (int y = 0; y < image.height() && !red; ++y)
      for (int x = 0; x < image.width() && !red; ++x) red = image.pixelColor(x, y) == QColor(Qt::red);
    QVERIFY(red);
    // The result box over the chart, as on screen inside its frame (whose rounded corners show
    // what lies under the box).
    const QRect inside = screen.box->rect().adjusted(2, 2, -2, -2);
    const QRect onChart = inside.translated(screen.box->pos() - screen.chart->pos());
    if (scale == 1)
      QCOMPARE(image.copy(onChart).convertToFormat(QImage::Format_RGB32),
               screen.box->grab(inside).toImage().convertToFormat(QImage::Format_RGB32));
  }
  if (file.endsWith(".svg")) {
    QVERIFY(bytes.contains("<svg"));
    QVERIFY(bytes.contains("viewBox=\"0 0 400 300\""));
    QVERIFY(bytes.contains("0.0421"));
    QVERIFY(!bytes.contains("hidden caption") && !bytes.contains("under the chart"));
  }
}

void ChartImageExportTest::dialogStartsInTheWorkingDirectoryAndCancelWritesNothing() {
  ScriptedChooser chooser;
  ChartScreen screen;
  const QStringList before = QDir::current().entryList(QDir::Files);
  platform::SaveChartImageInteractively(screen.chart, 1.0);  // the chooser cancels (empty answer)
  QCOMPARE(chooser.calls, 1);
  QCOMPARE(chooser.asked.proposedPath, QDir::current().filePath("TFormTest_Chart1.png"));
  QCOMPARE(chooser.asked.title, QString("Enregistrer l'image"));
  QCOMPARE(chooser.asked.filters, QStringList({"PNG (*.png)", "SVG (*.svg)", "PDF (*.pdf)"}));
  QCOMPARE(QDir::current().entryList(QDir::Files), before);
  QVERIFY(services->messages.all().empty());
}

void ChartImageExportTest::aFileThatCannotBeWrittenGivesAClearError() {
  ScriptedChooser chooser;
  QTemporaryDir dir;
  ChartScreen screen;
  for (const char* name : {"chart.png", "chart.svg", "chart.pdf"}) {
    chooser.answer = dir.filePath(QString("missing-folder/") + name);
    services->messages.clear();
    platform::SaveChartImageInteractively(screen.chart, 1.0);
    QCOMPARE(services->messages.errors().size(), 1);
    const QString error = services->messages.errors().front();
    QVERIFY2(error.startsWith("L'image n'a pas pu être enregistrée dans « "), qPrintable(error));
    QVERIFY2(error.contains(QDir::toNativeSeparators(chooser.answer)), qPrintable(error));
    QVERIFY2(!error.endsWith(": "), qPrintable(error));  // the system's reason follows
    QVERIFY(!QFile::exists(chooser.answer));
  }
}

void ChartImageExportTest::rightClicksOnPointsStayWithTheScreenThatUsesThem() {
  ChartScreen screen;
  const QPoint onPoint(qRound(screen.points->keyAxis()->coordToPixel(3)),
                       qRound(screen.points->valueAxis()->coordToPixel(9)));
  // Nobody listens to point clicks: the menu opens even on a point.
  QMenu* menu = RequestMenu(screen.chart, onPoint);
  QVERIFY(menu);
  menu->close();
  QTRY_VERIFY(!screen.chart->findChild<QMenu*>("ChartImageMenu"));
  // A screen that listens gets its right-click on the point, and no menu there.
  QSignalSpy pointClicks(screen.chart, &Chart::seriesPointClicked);
  QTest::mouseClick(screen.chart, Qt::RightButton, {}, onPoint);
  QVERIFY(!RequestMenu(screen.chart, onPoint));
  QCOMPARE(pointClicks.size(), 1);
  QCOMPARE(pointClicks[0][4].value<Qt::MouseButton>(), Qt::RightButton);
  // Away from the points the menu still opens.
  QVERIFY(RequestMenu(screen.chart, EmptyCorner(screen.chart)));
}

// An error bar (two points at one x) fills two rows; a title with a comma and quotes is quoted.
void ChartImageExportTest::dataRowsMergeTheSeriesAndTheFileFollowsRfc4180() {
  ChartScreen screen;
  screen.chart->xAxis->setLabel("x (mm)");
  screen.points->setName(QString::fromUtf8("Gauss, \"réf.\""));
  const std::vector<double> x = {2, 2, 3.5}, y = {4.25, 5.75, 1e-7};
  Chart::setData(screen.points, x, y);
  const std::vector<double> barX = {1, 2}, barY = {2, 5};
  Chart::setData(screen.bars, barX, barY);
  const platform::ChartDataTable table = platform::ReadChartData(screen.chart);
  QCOMPARE(table.header, QStringList({"x (mm)", "Mesures", QString::fromUtf8("Gauss, \"réf.\"")}));
  QCOMPARE(
      platform::TabSeparatedText(table, u','),
      QString::fromUtf8("x (mm)\tMesures\tGauss, \"réf.\"\n1\t2\t\n2\t5\t4,25\n2\t\t5,75\n3,5\t\t1e-07\n"));
  QCOMPARE(platform::CsvBytes(table),
           QByteArray("\xEF\xBB\xBFx (mm),Mesures,\"Gauss, \"\"r\xC3\xA9"
                      "f.\"\"\"\r\n1,2,\r\n2,5,4.25\r\n2,,5.75\r\n3.5,,1e-07\r\n"));
}

QTEST_MAIN(ChartImageExportTest)
#include "chart_image_export_test.moc"
