// The class-results screen as a teacher uses it: a folder of the class's files chosen, the odd file
// marked and unticked, the pool and the test redrawn at once, the pool saved; files dropped on the
// screen join the list. The numbers are those the model tests worked out apart from the code.
#include <QAbstractButton>
#include <QClipboard>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QGuiApplication>
#include <QListWidget>
#include <QMimeData>
#include <QRegularExpression>
#include <QTableWidget>
#include <QUrl>
#include <QtTest>

#include "class_results_files.h"
#include "experiments/class_results/UnitResultatsClasse.h"
#include "experiments/class_results/class_file_chooser.h"
#include "platform/chart.h"
#include "platform/chart_data_export.h"
#include "support/isolated_suite.h"
#include "support/screen_readers.h"
#include "support/widget_helpers.h"

using namespace noyalis;
using test::Text;

namespace {

// Answers the folder and files dialogs with a set choice and remembers where they started.
class ScriptedChoice final : public class_results::ClassFileChooser {
 public:
  QStringList chooseFolder(QWidget*, const QString&, const QString& startDir) override {
    started = startDir;
    return answer;
  }
  QStringList chooseFiles(QWidget* p, const QString& t, const QString& d) override {
    return chooseFolder(p, t, d);
  }
  QStringList answer;
  QString started;
};

// The sum of the bars of a series: the measurements the chart draws.
double BarTotal(QWidget* screen, const char* series) {
  const auto* bars = screen->findChild<QCPBars*>(series);
  double total = 0;
  for (auto it = bars->data()->constBegin(); it != bars->data()->constEnd(); ++it) total += it->value;
  return total;
}

QStringList ListedLines(QWidget* screen) {
  QStringList lines;
  const auto* list = screen->findChild<QListWidget*>("ListBox1");
  for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
  return lines;
}

}  // namespace

class ClassResultsScreenTest : public test::IsolatedSuite {
  Q_OBJECT
 private slots:
  void opensAFolderUnticksAFileAndSaves();

 private:
  void initEach() override { class_results::SetClassFileChooser(&choice_); }
  void cleanupEach() override { class_results::SetClassFileChooser(nullptr); }
  ScriptedChoice choice_;
};

void ClassResultsScreenTest::opensAFolderUnticksAFileAndSaves() {
  // b's source stood closer; x is an interval file, notes.txt no results file.
  QVERIFY(QDir().mkdir("classe"));
  const auto write = [](const char* name, const std::string& bytes) {
    class_results::test::WriteBytes(QDir("classe").filePath(name).toStdString(), bytes);
  };
  write("a.txt", class_results::test::ActivityFileText({2, 3, 4, 3}));
  write("b.txt", class_results::test::ActivityFileText({7, 8, 6, 7, 7}));
  write("c.txt", class_results::test::ActivityFileText({1, 2, 2, 1, 3, 2}));
  write("notes.txt", "\xE0 rendre lundi\r\n");
  write("x.txt", class_results::test::IntervalFileText({100, 300, 200, 400}, 100));
  choice_.answer = {QDir::current().filePath("classe")};

  TForm10 screen;
  screen.show();
  CLICK_BUTTON(&screen, "Button1");
  QCOMPARE(choice_.started, QDir::currentPath());
  REQUIRE_CHILD(table, QTableWidget, &screen, "StringGrid1");
  QCOMPARE(table->rowCount(), 3);
  QCOMPARE(table->item(1, 0)->text(), QString("b.txt"));
  QCOMPARE(table->item(1, 5)->text(), QString::fromUtf8("×"));  // 3.56 standard errors from the class
  QCOMPARE(table->item(0, 5)->text(), QString());
  QCOMPARE(Text(&screen, "Edit1"), QString("19.89"));
  QCOMPARE(Text(&screen, "Edit2"), QString("2"));
  QCOMPARE(Text(&screen, "Edit3"), QString("< 0.0001"));
  QCOMPARE(Text(&screen, "Label5"),
           QString::fromUtf8("Une même moyenne pour tous les fichiers cochés : rejetée au seuil de 5 %."));
  QCOMPARE(Text(&screen, "Edit4"), QString("15"));
  QCOMPARE(BarTotal(&screen, "Series1"), 15.0);
  QVERIFY(Text(&screen, "Label16").startsWith(QString::fromUtf8("Loi de Poisson : ")));
  QCOMPARE(ListedLines(&screen),
           QStringList({QString::fromUtf8("notes.txt — ligne 1 : pas un fichier de résultats d'activité ou "
                                          "d'intervalles"),
                        QString::fromUtf8("x.txt — fichier d'intervalles : non regroupé avec l'activité")}));

  // b unticked from the keyboard leaves the pool at once; it stays listed and marked.
  table->setCurrentCell(1, 2);
  QTest::keyClick(table, Qt::Key_Space);
  QCOMPARE(Text(&screen, "Edit4"), QString("10"));
  QCOMPARE(Text(&screen, "Edit5"), QString("2.30"));
  QCOMPARE(BarTotal(&screen, "Series1"), 10.0);
  QCOMPARE(Text(&screen, "Edit1"), QString("1.42"));
  QCOMPARE(Text(&screen, "Edit3"), QString("0.2334"));
  QCOMPARE(Text(&screen, "Label5"), QString::fromUtf8("Une même moyenne pour tous les fichiers cochés : non "
                                                      "rejetée au seuil de 5 %."));
  QCOMPARE(table->item(1, 0)->checkState(), Qt::Unchecked);
  QCOMPARE(table->item(1, 5)->text(), QString::fromUtf8("×"));
  // The pooled chart's data, as a spreadsheet receives it: counts 1 … 4 with their measurements.
  platform::CopyChartData(screen.findChild<platform::Chart*>("Chart1"));
  const QStringList copied = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
  QCOMPARE(copied.front(), QString("Nombre de coups par mesure\tMesures\tGauss\tPoisson"));
  QCOMPARE(copied.size(), 6);  // from one below the smallest count, as the references are drawn
  QVERIFY2(copied[3].startsWith("2\t4\t"), qPrintable(copied[3]));

  // Saved in the working directory, b out of the pool.
  CLICK_BUTTON(&screen, "BitBtn7");
  const QStringList saved = QDir().entryList({"*_classe.txt"}, QDir::Files);
  QCOMPARE(saved.size(), 1);
  QVERIFY(QRegularExpression(R"(^\d{8}_\d\d_\d\d_classe\.txt$)").match(saved.front()).hasMatch());
  QCOMPARE(
      services->messages.informations(),
      QStringList{QString::fromUtf8("Résultats de la classe enregistrés dans « %1 »").arg(saved.front())});
  QFile file(saved.front());
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  QVERIFY2(bytes.contains("\r\nb.txt ; 5 ;  7.00000000000000E+0000 ;"), bytes.constData());
  QVERIFY2(bytes.contains(" ; 1 ; 0\r\nc.txt"), bytes.constData());  // b: marked, not pooled
  QVERIFY2(bytes.contains("\r\nclasse ; 10 ;  2.30000000000000E+0000"), bytes.constData());
  // A save that cannot be written says so, and nothing else.
  const QString home = QDir::currentPath();
  QVERIFY(QDir().mkdir("gone") && QDir::setCurrent("gone") && QDir(home).rmdir("gone"));
  services->messages.clear();
  CLICK_BUTTON(&screen, "BitBtn7");
  QVERIFY(QDir::setCurrent(home));
  QCOMPARE(services->messages.errors().size(), 1);
  QVERIFY2(services->messages.errors().front().contains("classe.txt"),
           qPrintable(services->messages.errors().front()));
  QVERIFY(services->messages.informations().isEmpty());
  services->messages.clear();

  // The interval files pooled instead: x alone, the activity files listed as such.
  CLICK_BUTTON(&screen, "RadioGroup1_item1");
  QCOMPARE(table->rowCount(), 1);
  QCOMPARE(Text(&screen, "Edit4"), QString("4"));
  QCOMPARE(Text(&screen, "Edit5"), QString("250.0"));
  QCOMPARE(ListedLines(&screen).size(), 4);

  // A file dropped on the screen joins the list once the drop has returned.
  write("d.txt", class_results::test::IntervalFileText({150, 250, 350}, 100));
  QMimeData dropped;
  dropped.setUrls({QUrl::fromLocalFile(QDir::current().filePath("classe/d.txt"))});
  QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&screen, &enter);
  QVERIFY(enter.isAccepted());
  QDropEvent drop(QPointF(300, 300), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&screen, &drop);
  QTRY_COMPARE(table->rowCount(), 2);
  QCOMPARE(Text(&screen, "Edit4"), QString("7"));
  QVERIFY(services->messages.errors().isEmpty());
}

QTEST_MAIN(ClassResultsScreenTest)
#include "class_results_screen_test.moc"
