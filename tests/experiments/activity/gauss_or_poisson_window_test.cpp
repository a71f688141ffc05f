// The answer to "Gauss ou Poisson ?" on the activity screen: opened by a click or by the keyboard
// on the question after a run, in the screen's language, with the numbers of the model.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "experiments/activity/GaussOrPoissonWindow.h"
#include "experiments/activity/UnitActivite2.h"
#include "experiments/activity/activity_run_data.h"
#include "experiments/counting_statistics/gauss_or_poisson_sentences.h"
#include "kernel/uniform_random.h"
#include "platform/chart.h"
#include "platform/language.h"
#include "platform/widgets.h"
#include "support/isolated_suite.h"
#include "support/widget_helpers.h"

using namespace noyalis;

class GaussOrPoissonWindowTest : public test::IsolatedSuite {
  Q_OBJECT
 private slots:
  void answersInTheScreensLanguage_data();
  void answersInTheScreensLanguage();
  void keyboardOpensItOnceAndEscapeClosesIt();
};

void GaussOrPoissonWindowTest::answersInTheScreensLanguage_data() {
  QTest::addColumn<QString>("code");
  QTest::addColumn<int>("measurements");
  QTest::addColumn<QString>("caption");
  QTest::newRow("French") << "FR" << 100 << "Gauss ou Poisson ?";
  QTest::newRow("English") << "UK" << 100 << "Gauss or Poisson ?";
  QTest::newRow("Italian") << "IT" << 100 << "Gauss o Poisson ?";
  QTest::newRow("Spanish") << "ES" << 100 << "Gauss o Poisson ?";
  QTest::newRow("German") << "DE" << 100 << "Gauss oder Poisson ?";
  // One class: fewer than no degrees of freedom, shown as too few measurements, never as a number.
  QTest::newRow("French, two measurements") << "FR" << 2 << "Gauss ou Poisson ?";
}

void GaussOrPoissonWindowTest::answersInTheScreensLanguage() {
  QFETCH(QString, code);
  QFETCH(QString, caption);
  QFETCH(int, measurements);
  platform::SetLanguageCode(code);
  kernel::UniformRandom::setState(0);
  test::OnScreen<Tform11> screen;
  REQUIRE_CHILD(question, QLineEdit, &screen, "Edit6");
  if (measurements != 100) TYPE_INTO_SPIN_BOX(&screen, "SpinEdit1", QString::number(measurements));
  CLICK_BUTTON(&screen, "BitBtn1");  // the default run: 100 counts of mean 27.2
  QVERIFY(question->isVisible());

  QTest::mouseClick(question, Qt::LeftButton);
  REQUIRE_CHILD(window, GaussOrPoissonWindow, &screen, "GaussOrPoissonWindow");
  QVERIFY(window->isVisible());
  QCOMPARE(window->windowTitle(), caption);
  // Beside the histogram: nothing of the window over its bars or tick labels.
  REQUIRE_CHILD(chart, platform::Chart, &screen, "Chart1");
  const QRect plot = chart->axisRect()->outerRect();
  QVERIFY(!window->frameGeometry().intersects(QRect(chart->mapToGlobal(plot.topLeft()), plot.size())));

  using namespace counting_statistics;
  const GaussOrPoissonAnswer answer =
      AnswerGaussOrPoisson(activity::RunHistogram(activity::LastActivityRun()));
  QCOMPARE(answer.measurements, measurements);
  QCOMPARE(answer.poisson.testable() && answer.gauss.testable(), measurements == 100);
  const std::string language = code.toStdString();
  const QString none = QStringLiteral("—");
  const auto number = [&](const LawFit& fit, const QString& text) { return fit.testable() ? text : none; };
  const struct {
    const char* name;
    QString text;
  } values[] = {
      {"ChiSquarePoisson", number(answer.poisson, platform::FixedText(answer.poisson.chiSquare, 2))},
      {"ChiSquareGauss", number(answer.gauss, platform::FixedText(answer.gauss.chiSquare, 2))},
      {"FreedomPoisson", number(answer.poisson, QString::number(answer.poisson.degreesOfFreedom))},
      {"FreedomGauss", number(answer.gauss, QString::number(answer.gauss.degreesOfFreedom))},
      {"ClassesGauss", QString::number(answer.gauss.classes.size())},
      {"PValuePoisson", number(answer.poisson, platform::FixedText(answer.poisson.pValue, 4))},
      {"PoissonVerdict", QString::fromStdString(
                             LawSentence(CountLaw::Poisson, answer.poisson.outcome, measurements, language))},
      {"GaussVerdict",
       QString::fromStdString(LawSentence(CountLaw::Gauss, answer.gauss.outcome, measurements, language))},
      {"PValueNote", QString::fromStdString(PValueNote(language))},
  };
  for (const auto& v : values) {
    REQUIRE_CHILD(label, QLabel, window, v.name);
    QCOMPARE(label->text(), v.text);
  }
  // Every caption of the window is set in the language, none left empty.
  for (const char* name : {"Intro", "ClassesCaption", "FreedomCaption", "PValueCaption"}) {
    REQUIRE_CHILD(label, QLabel, window, name);
    QVERIFY2(!label->text().isEmpty(), name);
  }
  QCOMPARE(window->findChild<QPushButton*>("CloseButton")->text().isEmpty(), false);
  QVERIFY(services->messages.errors().isEmpty());
}

void GaussOrPoissonWindowTest::keyboardOpensItOnceAndEscapeClosesIt() {
  test::OnScreen<Tform11> screen;
  QVERIFY(QTest::qWaitForWindowExposed(&screen));
  REQUIRE_CHILD(question, QLineEdit, &screen, "Edit6");
  // Before any run the question is hidden: nothing to open.
  QVERIFY(!question->isVisible());
  CLICK_BUTTON(&screen, "BitBtn1");
  question->setFocus();
  QTest::keyClick(question, Qt::Key_Space);
  auto windows = screen.findChildren<GaussOrPoissonWindow*>();
  QCOMPARE(windows.size(), 1);
  // Enter on the question again brings the same window back instead of a second one.
  QTest::keyClick(question, Qt::Key_Return);
  QCOMPARE(screen.findChildren<GaussOrPoissonWindow*>().size(), 1);
  QCOMPARE(windows[0]->windowModality(), Qt::WindowModal);  // the screen waits while it is open
  QPointer<GaussOrPoissonWindow> window = windows[0];
  QTest::keyClick(window, Qt::Key_Escape);
  QTRY_VERIFY(window.isNull());  // closed and deleted
  QVERIFY(screen.isVisible());
}

QTEST_MAIN(GaussOrPoissonWindowTest)
#include "gauss_or_poisson_window_test.moc"
