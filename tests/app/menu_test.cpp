// The picture menu offscreen: French at start, the flags, opening screens and coming back.
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "app/UnitMenu.h"
#include "platform/language.h"
#include "platform/picture.h"
#include "platform/screen_base.h"
#include "platform/spin_edit.h"
#include "support/isolated_suite.h"
#include "support/widget_helpers.h"

using namespace noyalis;

namespace {

void ClickPicture(QWidget* menu, const char* name) {
  auto* picture = menu->findChild<platform::Picture*>(name);
  QVERIFY2(picture, name);
  QTest::mouseClick(picture, Qt::LeftButton);
}

// Runs check on the modal screen the menu opens next, then closes it with its return button.
// The screen's constructor lets the event loop run before the screen is shown, so this waits
// until a modal screen is really there.
void OnNextScreen(std::function<void(platform::ScreenBase*)> check, const char* backButton) {
  auto* poll = new QTimer;
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, [poll, check, backButton] {
    auto* screen = qobject_cast<platform::ScreenBase*>(QApplication::activeModalWidget());
    if (!screen || !screen->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    check(screen);
    QTest::mouseClick(screen->findChild<QPushButton*>(backButton), Qt::LeftButton);
  });
  poll->start();
}

}  // namespace

class MenuTest : public test::IsolatedSuite {
  Q_OBJECT

 private slots:
  void opensInFrench();
  void englishThenItalianFlag();
  void germanFlagOnlySetsTheCode();
  void screenOpensInTheChosenLanguageAndTheMenuComesBackFrench();
  void eachVisitOpensAFreshScreen();
  void counterPictureFromTheMenu();
  void unknownEntriesOpenNothing();
  void eachPictureHasItsNamedHandler();
  void quitClosesTheMenu();
  void eachPictureTakesTheClicksOnWhatItShows();
};

void MenuTest::opensInFrench() {
  platform::SetLanguageCode("DE");  // whatever a visit before left
  TForm3 menu;
  menu.show();
  const QDateTime written = QFileInfo(QCoreApplication::applicationFilePath()).lastModified();
  QCOMPARE(menu.windowTitle(), "Noyalis - " + written.toString("yy.MM.dd.hh.mm") + " - kzt");
  QCOMPARE(platform::LanguageCode(), QString("FR"));
  QCOMPARE(menu.findChild<QLabel*>("Label19")->text(), QString("Noyalis"));
  QCOMPARE(menu.findChild<QPushButton*>("Button5")->text(), QString("Quitter"));
  QCOMPARE(menu.findChild<QWidget*>("Button5")->toolTip(), QString("Pour quitter le programme..."));
  QCOMPARE(menu.findChild<QWidget*>("Image9")->toolTip(), QString("Activité "));
  QCOMPARE(menu.findChild<QWidget*>("Image13")->toolTip(), QString("Quitter"));
  // The ten numbered pictures at their places, each with a picture drawn.
  const struct {
    const char* picture;
    const char* label;
    QRect geometry;
  } entries[] = {{"Image15", "Label20", {362, 56, 145, 137}},  {"Image9", "Label21", {532, 48, 158, 110}},
                 {"Image8", "Label22", {492, 168, 229, 142}},  {"Image11", "Label23", {495, 332, 220, 130}},
                 {"Image16", "Label24", {290, 324, 201, 125}}, {"Image12", "Label25", {68, 346, 212, 124}},
                 {"Image10", "Label26", {35, 232, 214, 114}},  {"Image6", "Label27", {66, 52, 272, 212}},
                 {"Image17", "Label28", {254, 200, 225, 113}}, {"Image18", "Label29", {372, 468, 200, 118}}};
  int number = 1;
  for (const auto& e : entries) {
    REQUIRE_CHILD(picture, platform::Picture, &menu, e.picture);
    QCOMPARE(picture->geometry(), e.geometry);
    QVERIFY(!picture->pixmap().isNull());
    QVERIFY(!picture->toolTip().isEmpty());
    QCOMPARE(menu.findChild<QLabel*>(e.label)->text(), QString::number(number++));
  }
  for (const char* flag : {"Image3", "Image1", "Image5", "Image4", "Image2"})
    QCOMPARE(menu.findChild<QWidget*>(flag)->size(), QSize(48, 32));
}

void MenuTest::englishThenItalianFlag() {
  TForm3 menu;
  menu.show();
  ClickPicture(&menu, "Image1");
  QCOMPARE(platform::LanguageCode(), QString("UK"));
  QCOMPARE(menu.windowTitle(), QString("Radioactivity,  Radioactive decay."));
  QCOMPARE(menu.findChild<QPushButton*>("Button5")->text(), QString("End  "));
  QCOMPARE(menu.findChild<QWidget*>("Image11")->toolTip(), QString("Absorption of  Beta rays"));
  ClickPicture(&menu, "Image4");
  QCOMPARE(platform::LanguageCode(), QString("IT"));
  QCOMPARE(menu.findChild<QPushButton*>("Button5")->text(), QString("End  "));  // the menu stays English
  ClickPicture(&menu, "Image3");
  QCOMPARE(platform::LanguageCode(), QString("FR"));
  QCOMPARE(menu.windowTitle(), QString("Radioactivité, décroissance radioactive."));
  QCOMPARE(menu.findChild<QWidget*>("Image11")->toolTip(), QString("Absorption des rayons Beta "));
  QCOMPARE(menu.findChild<QLabel*>("StaticText2")->text(), QString("FR"));
}

void MenuTest::germanFlagOnlySetsTheCode() {
  TForm3 menu;
  menu.show();
  const QString caption = menu.windowTitle();
  ClickPicture(&menu, "Image5");
  QCOMPARE(platform::LanguageCode(), QString("DE"));
  QCOMPARE(menu.windowTitle(), caption);
  ClickPicture(&menu, "Image2");
  QCOMPARE(platform::LanguageCode(), QString("ES"));
}

void MenuTest::screenOpensInTheChosenLanguageAndTheMenuComesBackFrench() {
  TForm3 menu;
  menu.show();
  ClickPicture(&menu, "Image1");
  ClickPicture(&menu, "Image4");
  QString caption;
  OnNextScreen([&](platform::ScreenBase* screen) { caption = screen->windowTitle(); }, "BitBtn2");
  ClickPicture(&menu, "Image9");
  QCOMPARE(caption, QString("Attività"));
  QCOMPARE(platform::LanguageCode(), QString("FR"));
  QCOMPARE(menu.findChild<QPushButton*>("Button5")->text(), QString("Quitter"));
  QVERIFY(menu.windowTitle().startsWith("Noyalis - "));
}

void MenuTest::eachVisitOpensAFreshScreen() {
  TForm3 menu;
  menu.show();
  OnNextScreen(
      [](platform::ScreenBase* screen) { screen->findChild<platform::SpinEdit*>("SpinEdit1")->setValue(7); },
      "BitBtn2");
  ClickPicture(&menu, "Image9");
  int measurements = 0;
  OnNextScreen(
      [&](platform::ScreenBase* screen) {
        measurements = screen->findChild<platform::SpinEdit*>("SpinEdit1")->value();
      },
      "BitBtn2");
  ClickPicture(&menu, "Image9");
  QCOMPARE(measurements, 100);
}

void MenuTest::counterPictureFromTheMenu() {
  TForm3 menu;
  menu.show();
  ClickPicture(&menu, "Image1");
  QString tube, name;
  OnNextScreen(
      [&](platform::ScreenBase* screen) {
        name = screen->objectName();
        tube = screen->findChild<QLabel*>("Label36")->text();
      },
      "BitBtn4");
  ClickPicture(&menu, "Image15");
  QCOMPARE(name, QString("Tform200"));
  QCOMPARE(tube, QString(" GEIGER MULLER Counter "));
  QCOMPARE(platform::LanguageCode(), QString("FR"));
}

void MenuTest::unknownEntriesOpenNothing() {
  TForm3 menu;
  menu.show();
  for (int number : {0, 11}) QVERIFY(!menu.openEntry(number));
  QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void MenuTest::eachPictureHasItsNamedHandler() {
  struct Entry {
    const char* picture;
    const char* handler;
    const char* screen;      // the screen class it opens; null while none is built
    const char* backButton;  // its return button
  };
  const Entry kEntries[] = {
      {"Image15", "Image15Click", "Tform200", "BitBtn4"},
      {"Image9", "ActiviteClick", "Tform11", "BitBtn2"},
      {"Image8", "Activite8Click", "TForm8", "BitBtn2"},
      {"Image11", "ButtonAbsClick", "TForm4", "BitBtn2"},
      {"Image16", "Button123Click", "TForm7", "BitBtn2"},
      {"Image12", "ButtonGammaClick", "TForm5", "BitBtn2"},
      {"Image10", "Button2DistanceClick", "TForm6", "BitBtn2"},
      {"Image6", "Button13Click", "Tform100", "BitBtn4"},
      {"Image17", "Button1intervallesClick", "TForm2", "BitBtn2"},
      {"Image18", "ResultatsClasseClick", "TForm10", "BitBtn2"},
  };
  TForm3 menu;
  menu.show();
  for (const Entry& e : kEntries) {
    QString opened;
    if (e.screen)
      OnNextScreen(
          [&](platform::ScreenBase* screen) {
            opened = QString::fromLatin1(screen->metaObject()->className());
          },
          e.backButton);
    QVERIFY2(QMetaObject::invokeMethod(&menu, e.handler), e.handler);
    QCOMPARE(opened, QString(e.screen ? e.screen : ""));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    if (!e.screen) continue;
    // The picture's click runs the same handler.
    opened.clear();
    OnNextScreen(
        [&](platform::ScreenBase* screen) {
          opened = QString::fromLatin1(screen->metaObject()->className());
        },
        e.backButton);
    ClickPicture(&menu, e.picture);
    QCOMPARE(opened, QString(e.screen));
  }
}

void MenuTest::quitClosesTheMenu() {
  for (const char* quit : {"Button5", "Image13"}) {
    TForm3 menu;
    menu.show();
    QVERIFY(menu.isVisible());
    QTest::mouseClick(menu.findChild<QWidget*>(quit), Qt::LeftButton);
    QVERIFY2(!menu.isVisible(), quit);
  }
}

// Where a picture's box overlaps another one, a click on what the picture shows (not on its
// transparent part) still reaches it.
void MenuTest::eachPictureTakesTheClicksOnWhatItShows() {
  constexpr int kStep = 3;           // [px]
  constexpr int kOpaqueAlpha = 128;  // of 255
  TForm3 menu;
  menu.show();
  for (platform::Picture* picture : menu.findChildren<platform::Picture*>()) {
    if (picture->objectName() == "Image14") continue;  // the background, under everything
    const QImage image = picture->pixmap().toImage();
    for (int y = 0; y < picture->height(); y += kStep)
      for (int x = 0; x < picture->width(); x += kStep) {
        if (image.pixelColor(x, y).alpha() < kOpaqueAlpha) continue;
        const QPoint at = picture->mapTo(&menu, QPoint(x, y));
        auto* hit = qobject_cast<platform::Picture*>(menu.childAt(at));
        if (!hit) continue;  // a number label over the picture
        QVERIFY2(hit == picture, qPrintable(QString("%1 at (%2, %3) is taken by %4")
                                                .arg(picture->objectName())
                                                .arg(at.x())
                                                .arg(at.y())
                                                .arg(hit->objectName())));
      }
  }
}

QTEST_MAIN(MenuTest)
#include "menu_test.moc"
