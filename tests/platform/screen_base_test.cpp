// The modal screen: its frame, its size, key preview, closing rules, background, and the error
// boundary of its handlers.
#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <stdexcept>

#include "kernel/error.h"
#include "platform/error_boundary.h"
#include "platform/focus_leave.h"
#include "platform/screen_base.h"
#include "platform/spin_edit.h"
#include "support/isolated_suite.h"
#include "support/widget_helpers.h"

using namespace noyalis;
using platform::ScreenBase;

namespace {

// A screen that records the keys it previews and consumes those it is told to.
class KeyScreen : public ScreenBase {
 public:
  using ScreenBase::pump;
  using ScreenBase::runExclusive;

  explicit KeyScreen(QColor background = platform::kSilver) : ScreenBase(nullptr, "TformKeys", background) {
    box = new platform::SpinEdit(this, "SpinEdit1", 2, 100000, 1, 1234);
    box->setGeometry(10, 10, 100, 24);
    button = new QPushButton("Départ", this);
    button->setObjectName("BitBtn1");
    button->setGeometry(10, 50, 80, 30);
  }

  // Shows the screen and waits until it is on screen.
  bool showExposed() {
    show();
    return QTest::qWaitForWindowExposed(this);
  }

  QList<int> keys;
  QList<int> consume{Qt::Key_Escape};
  std::function<void(int)> onKey;
  platform::SpinEdit* box;
  QPushButton* button;

 protected:
  bool FormKeyDown(int key, Qt::KeyboardModifiers) override {
    keys << key;
    if (onKey) onKey(key);
    return consume.contains(key);
  }
};

// A screen whose key handler is the base one.
class PlainScreen : public ScreenBase {
 public:
  PlainScreen() : ScreenBase(nullptr, "TformPlain") {}
};

// Counts the key presses that reach a window.
class KeyCounter : public QObject {
 public:
  KeyCounter(QWidget* window, int& presses) : QObject(window), presses_(presses) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) ++presses_;
    return false;
  }

 private:
  int& presses_;
};

QString InnerText(platform::SpinEdit* box) {
  return box->findChild<QLineEdit*>()->text();
}

}  // namespace

class ScreenBaseTest : public test::IsolatedSuite {
  Q_OBJECT

 private slots:
  void isAFixedModalScreenWithoutFrameButtons();
  void execCentresTheScreenAndReturnsWhenClosed();
  void escapeAndTheWindowManagerNeverClose();
  void keysTypedIntoControlsArePreviewedOnce();
  void deleteReachesTheSpinBoxUnlessConsumed_data();
  void deleteReachesTheSpinBoxUnlessConsumed();
  void aHeldKeyActsOnce();
  void keysOfOtherWindowsAreNotPreviewed();
  void enterConfirmsTheBoxAndNeverPressesAButton_data();
  void enterConfirmsTheBoxAndNeverPressesAButton();
  void aPressWhoseReleaseLandsInItsMessageIsPreviewedOnce();
  void aRunLocksItsControlsAndLeavingStopsIt();
  void aBoxIsLeftAsItsRuleSays_data();
  void aBoxIsLeftAsItsRuleSays();
  void backgroundColourAndPicture();

  void errorBoundaryShowsTheErrorAndTheScreenStaysOpen_data();
  void errorBoundaryShowsTheErrorAndTheScreenStaysOpen();
  void errorInAKeyHandlerIsShownAndTheKeyConsumed();
  void showCurrentErrorOutsideAHandler();
};

void ScreenBaseTest::isAFixedModalScreenWithoutFrameButtons() {
  KeyScreen screen;
  QCOMPARE(screen.objectName(), QString("TformKeys"));
  QCOMPARE(screen.size(), QSize(800, 600));
  QCOMPARE(screen.minimumSize(), QSize(800, 600));
  QCOMPARE(screen.maximumSize(), QSize(800, 600));
  QVERIFY(screen.isModal());
  const Qt::WindowFlags flags = screen.windowFlags();
  QVERIFY(flags.testFlag(Qt::Dialog));
  QVERIFY(flags.testFlag(Qt::WindowTitleHint));
  QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
  for (Qt::WindowType button :
       {Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint,
        Qt::WindowContextHelpButtonHint, Qt::WindowSystemMenuHint})
    QVERIFY2(!flags.testFlag(button), qPrintable(QString::number(button, 16)));
  QVERIFY(screen.autoFillBackground());
  QCOMPARE(screen.palette().color(QPalette::Window), platform::kSilver);
  QCOMPARE(screen.normalBackground(), platform::kSilver);

  KeyScreen dice(platform::kLightGreen);
  QCOMPARE(dice.palette().color(QPalette::Window), QColor(203, 255, 204));
}

void ScreenBaseTest::execCentresTheScreenAndReturnsWhenClosed() {
  KeyScreen screen;
  QRect shownAt;
  QTimer::singleShot(0, &screen, [&] {
    shownAt = screen.geometry();
    screen.closeScreen();
  });
  QCOMPARE(screen.exec(), int(QDialog::Accepted));
  QVERIFY(!screen.isVisible());
  const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
  QCOMPARE(shownAt.size(), QSize(800, 600));
  QVERIFY2((shownAt.center() - available.center()).manhattanLength() <= 2,
           qPrintable(QString("screen centred at %1,%2, available area centred at %3,%4")
                          .arg(shownAt.center().x())
                          .arg(shownAt.center().y())
                          .arg(available.center().x())
                          .arg(available.center().y())));
}

void ScreenBaseTest::escapeAndTheWindowManagerNeverClose() {
  KeyScreen screen;
  QVERIFY(screen.showExposed());
  QTest::keyClick(&screen, Qt::Key_Escape);
  QVERIFY(screen.isVisible());
  QCOMPARE(screen.keys, QList<int>{Qt::Key_Escape});

  // Even a screen that lets Escape through to the dialog stays open.
  screen.consume.clear();
  QTest::keyClick(screen.button, Qt::Key_Escape);
  QVERIFY(screen.isVisible());
  QCOMPARE(screen.keys.size(), 2);

  QVERIFY(!screen.close());
  QVERIFY(screen.isVisible());

  PlainScreen plain;
  plain.show();
  QTest::keyClick(&plain, Qt::Key_Escape);
  QVERIFY(plain.isVisible());
}

void ScreenBaseTest::keysTypedIntoControlsArePreviewedOnce() {
  KeyScreen screen;
  QVERIFY(screen.showExposed());
  // A button ignores P, so the press climbs to the screen: still one preview.
  QTest::keyClick(screen.button, Qt::Key_P);
  QCOMPARE(screen.keys, QList<int>{Qt::Key_P});
  QTest::keyClick(screen.button, Qt::Key_P);
  QCOMPARE(screen.keys, QList<int>({Qt::Key_P, Qt::Key_P}));

  screen.keys.clear();
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit1", "25");  // Backspace edits the box unseen
  QCOMPARE(screen.keys, QList<int>({Qt::Key_2, Qt::Key_5}));
  QCOMPARE(InnerText(screen.box), QString("25"));

  // A consumed key does not reach the control.
  screen.consume = {Qt::Key_7};
  QTest::keyClick(screen.box, Qt::Key_7);
  QCOMPARE(InnerText(screen.box), QString("25"));
  QTest::keyClick(screen.box, Qt::Key_Pause);
  QCOMPARE(screen.keys.last(), int(Qt::Key_Pause));
}

void ScreenBaseTest::deleteReachesTheSpinBoxUnlessConsumed_data() {
  QTest::addColumn<bool>("running");
  QTest::addColumn<bool>("consumed");
  QTest::addColumn<bool>("previewed");
  QTest::addColumn<QString>("textAfter");
  QTest::newRow("outside a run the box takes Delete") << false << true << false << "234";
  QTest::newRow("during a run, screen lets Delete through") << true << false << true << "234";
  QTest::newRow("during a run, screen consumes Delete") << true << true << true << "1234";
}

void ScreenBaseTest::deleteReachesTheSpinBoxUnlessConsumed() {
  QFETCH(bool, running);
  QFETCH(bool, consumed);
  QFETCH(bool, previewed);
  QFETCH(QString, textAfter);
  KeyScreen screen;
  screen.consume = consumed ? QList<int>{Qt::Key_Delete} : QList<int>{};
  QVERIFY(screen.showExposed());
  screen.box->setFocus();
  screen.box->findChild<QLineEdit*>()->setCursorPosition(0);
  const auto press = [&] { QTest::keyClick(screen.box, Qt::Key_Delete); };
  if (running)
    screen.runExclusive({}, press);
  else
    press();
  QCOMPARE(screen.keys, previewed ? QList<int>{Qt::Key_Delete} : QList<int>{});
  QCOMPARE(InnerText(screen.box), textAfter);
}

// A held key acts once: its repeats are not previewed, nor do they reach a window the screen
// opened (its message box); a window of its own gets them all.
void ScreenBaseTest::aHeldKeyActsOnce() {
  KeyScreen screen;
  QVERIFY(screen.showExposed());
  for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Pause, Qt::Key_Delete, Qt::Key_Space, Qt::Key_P}) {
    screen.keys.clear();
    test::HoldKey(screen.button, key, 2);
    QCOMPARE(screen.keys.size(), key == Qt::Key_P ? 5 : 1);  // a letter may repeat
  }
  QWidget message(&screen, Qt::Window), other;
  for (QWidget* window : {&message, &other}) {
    int presses = 0;
    auto* counter = new KeyCounter(window, presses);
    window->show();
    test::HoldKey(window, Qt::Key_Escape, 2);
    QCOMPARE(presses, window == &message ? 1 : 5);
    delete counter;
  }
}

void ScreenBaseTest::keysOfOtherWindowsAreNotPreviewed() {
  KeyScreen screen;
  QWidget other;
  auto* edit = new QLineEdit(&other);
  screen.show();
  other.show();
  QTest::keyClick(edit, Qt::Key_A);
  QCOMPARE(edit->text(), QString("a"));
  QVERIFY(screen.keys.isEmpty());

  screen.hide();  // a hidden screen previews nothing
  QTest::keyClick(screen.box, Qt::Key_Escape);
  QVERIFY(screen.keys.isEmpty());
}

void ScreenBaseTest::enterConfirmsTheBoxAndNeverPressesAButton_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<bool>("focusOnButton");
  QTest::addColumn<bool>("modal");
  QTest::newRow("Return in the box") << int(Qt::Key_Return) << false << false;
  QTest::newRow("keypad Enter in the box") << int(Qt::Key_Enter) << false << false;
  QTest::newRow("Return on the button") << int(Qt::Key_Return) << true << false;
  QTest::newRow("Return in the box, shown modally") << int(Qt::Key_Return) << false << true;
}

void ScreenBaseTest::enterConfirmsTheBoxAndNeverPressesAButton() {
  QFETCH(int, key);
  QFETCH(bool, focusOnButton);
  QFETCH(bool, modal);
  KeyScreen screen;
  screen.consume.clear();
  // A button created after the screen is shown gets no default either.
  QPushButton* late = nullptr;
  int clicks = 0;
  const auto press = [&] {
    late = new QPushButton("Retour", &screen);
    late->show();
    for (QPushButton* b : screen.findChildren<QPushButton*>())
      QObject::connect(b, &QPushButton::clicked, &screen, [&] {
        ++clicks;
        screen.closeScreen();
      });
    if (focusOnButton) {
      screen.button->setFocus();
      QTest::keyClick(screen.button, Qt::Key(key));
    } else {
      TYPE_INTO_SPIN_BOX(&screen, "SpinEdit1", "250000");
      QTest::keyClick(screen.box, Qt::Key(key));
      QCOMPARE(InnerText(screen.box), QString("100000"));  // confirmed as leaving the box does
      QCOMPARE(screen.box->value(), 100000);
    }
  };
  bool visibleAfterKey = false;
  if (modal) {
    QTimer::singleShot(0, &screen, [&] {
      press();
      visibleAfterKey = screen.isVisible();
      screen.done(QDialog::Rejected);
    });
    screen.exec();
  } else {
    QVERIFY(screen.showExposed());
    press();
    visibleAfterKey = screen.isVisible();
  }
  QVERIFY(visibleAfterKey);
  QCOMPARE(clicks, 0);
  QVERIFY(late);
  for (QPushButton* b : screen.findChildren<QPushButton*>()) {
    QVERIFY2(!b->isDefault() && !b->autoDefault(), qPrintable(b->text()));
  }
}

void ScreenBaseTest::aPressWhoseReleaseLandsInItsMessageIsPreviewedOnce() {
  KeyScreen screen;
  screen.consume.clear();  // Delete goes on to the button, which ignores it and lets it climb
  QWidget messageBox;      // the release of a held key arrives in the box the handler opened
  messageBox.show();
  screen.onKey = [&](int key) {
    if (key == Qt::Key_Delete) QTest::keyRelease(&messageBox, Qt::Key_Delete);
  };
  QVERIFY(screen.showExposed());
  screen.button->setFocus();
  QTest::keyPress(screen.button, Qt::Key_Delete);
  QCOMPARE(screen.keys, QList<int>{Qt::Key_Delete});
  // The next press is a new one.
  QTest::keyClick(screen.button, Qt::Key_Delete);
  QCOMPARE(screen.keys, QList<int>({Qt::Key_Delete, Qt::Key_Delete}));
}

// One run at a time, its controls locked while it lasts; leaving during it asks it to stop, and
// the screen closes when it returns.
void ScreenBaseTest::aRunLocksItsControlsAndLeavingStopsIt() {
  KeyScreen screen;
  auto* busy = new QLabel("Calcul en cours", &screen);
  busy->hide();
  QSignalSpy closeRequested(&screen, &ScreenBase::closeRequestedDuringRun);
  QSignalSpy finished(&screen, &QDialog::finished);
  screen.show();
  const ScreenBase::RunLocks locks{.disabled = {screen.box}, .hidden = {screen.button}, .shown = {busy}};
  const auto unlocked = [&] {
    return screen.box->isEnabled() && !screen.button->isHidden() && busy->isHidden();
  };
  bool locked = false, stopAsked = false, openDuringRun = false;
  ScreenBase::RunOutcome second{};
  const ScreenBase::RunOutcome first = screen.runExclusive(locks, [&] {
    locked = screen.isRunning() && !screen.box->isEnabled() && screen.button->isHidden() && busy->isVisible();
    second = screen.runExclusive(locks, [] {});
    screen.closeScreen();
    stopAsked = screen.pump().stopRequested();
    openDuringRun = screen.isVisible();
  });
  QCOMPARE(first, ScreenBase::RunOutcome::Ended);
  QCOMPARE(second, ScreenBase::RunOutcome::Ignored);
  QVERIFY(locked);
  QVERIFY(stopAsked);
  QVERIFY(openDuringRun);
  QCOMPARE(closeRequested.count(), 1);
  QVERIFY(!screen.isVisible());
  QCOMPARE(finished.count(), 1);
  QCOMPARE(screen.result(), int(QDialog::Accepted));
  QVERIFY(unlocked());

  // A failing run is shown and unlocks too; a run ending without a close request leaves the screen
  // open, and the next run starts without the old stop request.
  screen.show();
  bool stopCleared = false;
  const ScreenBase::RunOutcome failed = screen.runExclusive(locks, [&] {
    stopCleared = !screen.pump().stopRequested();
    throw kernel::RangeError("Range check error");
  });
  QCOMPARE(failed, ScreenBase::RunOutcome::Failed);
  QVERIFY(stopCleared);
  QCOMPARE(services->messages.errors(), QStringList{"Range check error"});
  QVERIFY(screen.isVisible());
  QVERIFY(unlocked());
  screen.closeScreen();
  QVERIFY(!screen.isVisible());
  QCOMPARE(closeRequested.count(), 1);
}

void ScreenBaseTest::aBoxIsLeftAsItsRuleSays_data() {
  QTest::addColumn<platform::FocusLeave>("rule");
  QTest::addColumn<Qt::FocusReason>("reason");
  QTest::addColumn<bool>("screenShown");
  QTest::addColumn<bool>("left");
  using enum platform::FocusLeave;
  QTest::newRow("any loss: Tab") << AnyLoss << Qt::TabFocusReason << true << true;
  QTest::newRow("any loss: a message box") << AnyLoss << Qt::ActiveWindowFocusReason << true << true;
  QTest::newRow("any loss: a popup menu") << AnyLoss << Qt::PopupFocusReason << true << true;
  QTest::newRow("to another control: a click") << ToAnotherControl << Qt::MouseFocusReason << true << true;
  QTest::newRow("to another control: a message box")
      << ToAnotherControl << Qt::ActiveWindowFocusReason << true << false;
  QTest::newRow("to another control: a popup menu")
      << ToAnotherControl << Qt::PopupFocusReason << true << false;
  QTest::newRow("to another control: screen hidden")
      << ToAnotherControl << Qt::TabFocusReason << false << false;
}

// A leave handler runs inside the error boundary: a failure is shown and the screen stays open.
void ScreenBaseTest::aBoxIsLeftAsItsRuleSays() {
  QFETCH(platform::FocusLeave, rule);
  QFETCH(Qt::FocusReason, reason);
  QFETCH(bool, screenShown);
  QFETCH(bool, left);
  KeyScreen screen;
  screen.setVisible(screenShown);
  int leaves = 0;
  platform::WatchFocusLeave(screen.box, rule, [&] {
    ++leaves;
    throw kernel::RangeError("Range check error");
  });
  QFocusEvent focusOut(QEvent::FocusOut, reason);
  QApplication::sendEvent(screen.box, &focusOut);
  QCOMPARE(leaves, left ? 1 : 0);
  QCOMPARE(services->messages.errors().size(), left ? 1 : 0);
}

void ScreenBaseTest::backgroundColourAndPicture() {
  const QString path = "background.svg";
  writeFile(
      path,
      R"(<svg xmlns="http://www.w3.org/2000/svg" width="8" height="6"><rect width="8" height="6" fill="navy"/></svg>)");

  KeyScreen screen;
  QLabel* picture = screen.setBackgroundPicture(path);
  QCOMPARE(picture->geometry(), QRect(0, 0, 800, 600));
  QCOMPARE(picture->parentWidget(), &screen);
  // Below every control: the first widget child in stacking order.
  QWidget* lowest = nullptr;
  for (QObject* child : screen.children())
    if (child->isWidgetType()) {
      lowest = static_cast<QWidget*>(child);
      break;
    }
  QCOMPARE(lowest, picture);
  QVERIFY(picture->testAttribute(Qt::WA_TransparentForMouseEvents));
  QCOMPARE(screen.setBackgroundPicture(path), picture);  // replaced, not stacked
  QCOMPARE(screen.findChildren<QLabel*>().size(), 1);

  QVERIFY(screen.showExposed());
  const QImage shown = screen.grab().toImage();
  QCOMPARE(QColor(shown.pixel(700, 500)), QColor(0, 0, 128));  // the picture covers the screen

  screen.setBackgroundColor(Qt::white);
  QCOMPARE(screen.palette().color(QPalette::Window), QColor(Qt::white));
  QCOMPARE(screen.normalBackground(), platform::kSilver);
  delete picture;
  QCOMPARE(QColor(screen.grab().toImage().pixel(700, 500)), QColor(Qt::white));
}

void ScreenBaseTest::errorBoundaryShowsTheErrorAndTheScreenStaysOpen_data() {
  QTest::addColumn<int>("kind");
  QTest::addColumn<QString>("text");
  QTest::newRow("range error") << 0 << "Range check error";
  QTest::newRow("floating-point error") << 1 << "Invalid floating point operation";
  QTest::newRow("standard exception") << 2 << "vector::_M_range_check";
  QTest::newRow("anything else") << 3 << "Unknown error";
}

void ScreenBaseTest::errorBoundaryShowsTheErrorAndTheScreenStaysOpen() {
  QFETCH(int, kind);
  QFETCH(QString, text);
  KeyScreen screen;
  bool openWhileShown = false;
  services->messages.onShow([&](const test::RecordingMessages::Message& m) {
    openWhileShown = screen.isVisible() && m.parent == &screen;
  });
  bool succeeded = true;
  QObject::connect(screen.button, &QPushButton::clicked, &screen, [&] {
    succeeded = platform::Guarded(&screen, [&] {
      switch (kind) {
        case 0:
          throw kernel::RangeError("Range check error");
        case 1:
          throw kernel::FloatError("Invalid floating point operation");
        case 2:
          throw std::out_of_range("vector::_M_range_check");
        default:
          throw 42;
      }
    });
  });
  screen.show();
  CLICK_BUTTON(&screen, "BitBtn1");
  QVERIFY(!succeeded);
  QCOMPARE(services->messages.errors(), QStringList{text});
  QVERIFY(services->messages.informations().isEmpty());
  QVERIFY(openWhileShown);
  QVERIFY(screen.isVisible());

  QVERIFY(platform::Guarded(&screen, [] {}));
  QCOMPARE(services->messages.all().size(), std::size_t{1});
}

void ScreenBaseTest::errorInAKeyHandlerIsShownAndTheKeyConsumed() {
  KeyScreen screen;
  screen.onKey = [](int key) {
    if (key == Qt::Key_3) throw kernel::RangeError("Integer overflow");
  };
  screen.show();
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit1", "13");
  QCOMPARE(services->messages.errors(), QStringList{"Integer overflow"});
  QCOMPARE(InnerText(screen.box), QString("1"));
  QVERIFY(screen.isVisible());
}

void ScreenBaseTest::showCurrentErrorOutsideAHandler() {
  platform::ShowCurrentError(nullptr);
  QCOMPARE(services->messages.errors(), QStringList{"Unknown error"});
}

QTEST_MAIN(ScreenBaseTest)
#include "screen_base_test.moc"
