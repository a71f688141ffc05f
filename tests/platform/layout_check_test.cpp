// Every screen in every language: its texts fit their controls and do not run into one another.
// A new screen joins the check with one line in kScreens.
#include <QAbstractButton>
#include <QLabel>
#include <QtTest>

#include "experiments/absorption/UnitAbsorption.h"
#include "experiments/absorption/UnitDistance.h"
#include "experiments/absorption/UnitPLomb.h"
#include "experiments/activity/UnitActivite2.h"
#include "experiments/class_results/UnitResultatsClasse.h"
#include "experiments/counter_picture/Unitcrab.h"
#include "experiments/dice/UnitDecroissanceExponentielle.h"
#include "experiments/intervals/UnitInterval.h"
#include "experiments/population/UnitReseau.h"
#include "experiments/thickness_series/UnitAbsorption123.h"
#include "platform/radio_group.h"
#include "platform/screen_base.h"
#include "platform/widgets.h"
#include "support/isolated_suite.h"
#include "support/layout_check.h"

using namespace noyalis;
using test::ScreenUnderCheck;

namespace {

const ScreenUnderCheck kScreens[] = {
    ScreenUnderCheck::of<Tform200>("Tform200"),
    ScreenUnderCheck::of<Tform11>("Tform11"),
    ScreenUnderCheck::of<TForm2>("TForm2"),
    ScreenUnderCheck::of<TForm4>("TForm4"),
    ScreenUnderCheck::of<TForm5>("TForm5"),
    ScreenUnderCheck::of<TForm6>("TForm6"),
    ScreenUnderCheck::of<TForm7>("TForm7"),
    ScreenUnderCheck::of<TForm8>("TForm8"),
    ScreenUnderCheck::of<Tform100>("Tform100"),
    ScreenUnderCheck::of<TForm10>("TForm10"),
    {"TForm10 pooling intervals",
     [] {
       auto screen = std::make_unique<TForm10>();
       screen->findChild<QAbstractButton*>("RadioGroup1_item1")->click();
       return std::unique_ptr<QWidget>(std::move(screen));
     }},
};

// A screen with the faults the check must find.
class CrowdedScreen : public platform::ScreenBase {
 public:
  CrowdedScreen() : ScreenBase(nullptr, "TformCrowded") {
    platform::MakeLabel(this, "Label1", "Deviazione standard", 411, 53);
    platform::MakeLabel(this, "Label3", "Dev. teorica", 526, 53);
    auto* group = new platform::RadioGroup(this, "RadioGroup2", "Grafico in tempo reale dei conteggi",
                                           {"Tempo reale dei conteggi", "Simulazione"}, 1, 1);
    group->setGeometry(8, 61, 123, 72);
    platform::MakeEdit(this, "Edit6", 547, 503, 60, "Gauss o Poisson ?");
  }
};

}  // namespace

class LayoutCheckTest : public test::IsolatedSuite {
  Q_OBJECT

 private slots:
  void theCheckFindsCutAndOverlappingTexts();
  void everyScreenFitsInEveryLanguage_data();
  void everyScreenFitsInEveryLanguage();

 private:
  // The population screen opens with its isotope list, as installed.
  void initEach() override { TForm8::setInstalledIsotopeList(NOYALIS_SHIPPED_ISOTOPE_LIST); }
};

void LayoutCheckTest::theCheckFindsCutAndOverlappingTexts() {
  CrowdedScreen screen;
  const QString faults = test::LayoutFaults(&screen).join('\n');
  for (const char* expected :
       {"Label1 (", "Label3 (", "overlaps", "RadioGroup2 (", "RadioGroup2_item0", "Edit6"})
    QVERIFY2(faults.contains(expected), qPrintable(QString("%1 not found in:\n%2").arg(expected, faults)));
  QVERIFY2(!faults.contains("RadioGroup2_item1"), qPrintable(faults));
}

void LayoutCheckTest::everyScreenFitsInEveryLanguage_data() {
  QTest::addColumn<int>("index");
  for (int i = 0; i < int(std::size(kScreens)); ++i) QTest::newRow(kScreens[i].name) << i;
}

void LayoutCheckTest::everyScreenFitsInEveryLanguage() {
  QFETCH(int, index);
  const QStringList faults = test::LayoutFaultsInEveryLanguage(kScreens[index]);
  QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

QTEST_MAIN(LayoutCheckTest)
#include "layout_check_test.moc"
