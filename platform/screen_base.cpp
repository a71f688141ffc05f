#include "platform/screen_base.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTextEdit>

#include "platform/error_boundary.h"
#include "platform/held_keys.h"
#include "platform/picture.h"
#include "platform/printing.h"
#include "platform/widgets.h"

namespace noyalis::platform {

namespace {
constexpr QSize kClientSize{800, 600};  // [px]
const QString kBackgroundName = QStringLiteral("BackgroundPicture");
constexpr QColor kCaptionYellow{255, 255, 0};

// The keys that edit what a box holds.
bool EditsText(int key) {
  return key == Qt::Key_Delete || key == Qt::Key_Backspace || key == Qt::Key_Space;
}

// A box the user can type into: a line edit, a spin box (or its inner edit), a text editor.
bool IsEditableBox(const QWidget* w) {
  for (const QWidget* p = w; p && !p->isWindow(); p = p->parentWidget())
    if (auto* spin = qobject_cast<const QAbstractSpinBox*>(p)) return !spin->isReadOnly();
  if (auto* edit = qobject_cast<const QLineEdit*>(w)) return !edit->isReadOnly();
  if (auto* text = qobject_cast<const QTextEdit*>(w)) return !text->isReadOnly();
  if (auto* plain = qobject_cast<const QPlainTextEdit*>(w)) return !plain->isReadOnly();
  return false;
}
}  // namespace

ScreenBase::ScreenBase(QWidget* parent, const QString& objectName, QColor normalBackground)
    : QDialog(parent), normalBackground_(normalBackground) {
  setObjectName(objectName);
  // A title bar without close, minimise or maximise buttons: only the screen's return button closes it.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setModal(true);
  setFixedSize(kClientSize);
  setAutoFillBackground(true);
  setBackgroundColor(normalBackground_);
  qApp->installEventFilter(this);
  WatchHeldKeys();
}

ScreenBase::~ScreenBase() {
  qApp->removeEventFilter(this);
}

int ScreenBase::exec() {
  // The client area is centred (the frame is not known before the window manager decorates it).
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
  return QDialog::exec();
}

QLabel* ScreenBase::setBackgroundPicture(const QString& resource) {
  auto* picture = findChild<QLabel*>(kBackgroundName, Qt::FindDirectChildrenOnly);
  if (!picture) {
    picture = new QLabel(this);
    picture->setObjectName(kBackgroundName);
    picture->setAttribute(Qt::WA_TransparentForMouseEvents);  // clicks reach the screen
  }
  picture->setGeometry(QRect(QPoint(0, 0), kClientSize));
  picture->setPixmap(RenderSvg(resource, kClientSize));
  picture->lower();
  picture->show();
  return picture;
}

void ScreenBase::setBackgroundColor(QColor colour) {
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, colour);
  setPalette(palette);
  update();
}

void ScreenBase::closeScreen() {
  if (running_) {
    closePending_ = true;
    pump_.requestStop();
    emit closeRequestedDuringRun();
    return;
  }
  closePending_ = false;
  done(QDialog::Accepted);
}

ScreenBase::RunOutcome ScreenBase::runExclusive(const RunLocks& locks, const std::function<void()>& body) {
  if (running_) return RunOutcome::Ignored;
  pump_.reset();
  running_ = true;
  lock(locks, true);
  const bool ended = Guarded(this, body);
  lock(locks, false);
  running_ = false;
  if (closePending_) closeScreen();
  return ended ? RunOutcome::Ended : RunOutcome::Failed;
}

void ScreenBase::lock(const RunLocks& locks, bool locked) {
  for (QWidget* w : locks.disabled) w->setEnabled(!locked);
  for (QWidget* w : locks.hidden) w->setVisible(!locked);
  for (QWidget* w : locks.shown) w->setVisible(locked);
}

void ScreenBase::printUnlessRunning() {
  if (running_) return;
  Guarded(this, [this] { PrintScreen(this); });
}

void ScreenBase::printUnlessRunning(QCustomPlot* chart) {
  if (running_) return;
  Guarded(this, [chart] { PrintChart(chart); });
}

QLabel* ScreenBase::addCaption(const QString& name, const QString& text, int x, int y, int pixelSize,
                               bool bold) {
  return MakeLabel(this, name, text, x, y, kCaptionYellow, pixelSize, bold);
}

bool ScreenBase::FormKeyDown(int key, Qt::KeyboardModifiers) {
  return key == Qt::Key_Escape;
}

void ScreenBase::reject() {}

void ScreenBase::showEvent(QShowEvent* event) {
  // Before the dialog looks for a button to make its default (after this event).
  clearDefaultButtons();
  QDialog::showEvent(event);
}

void ScreenBase::clearDefaultButtons() {
  for (QPushButton* button : findChildren<QPushButton*>()) {
    button->setAutoDefault(false);
    button->setDefault(false);
  }
}

void ScreenBase::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();  // the dialog would press its default button
    return;
  }
  QDialog::keyPressEvent(event);
}

bool ScreenBase::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  // A release ends a press: the next press is new even if Qt builds it at the same address. Only
  // a release that comes while no key handler runs: one that lands in a message box the handler
  // opened belongs to the press still being delivered.
  if (type == QEvent::KeyRelease && handlersRunning_ == 0) previewedEvent_ = nullptr;
  if (type != QEvent::KeyPress && type != QEvent::Polish) return false;
  if (!watched->isWidgetType() || !isVisible()) return false;
  auto* receiver = static_cast<QWidget*>(watched);
  if (receiver->window() != this) {
    if (type != QEvent::KeyPress) return false;
    // A held key does not close, one after another, the message boxes its first press opened.
    const auto* key = static_cast<QKeyEvent*>(event);
    return ownsWindow(receiver->window()) && ActsOncePerPress(key->key()) && IsHeldKeyRepeat(key);
  }
  if (type == QEvent::KeyPress) return previewKeyPress(receiver, static_cast<QKeyEvent*>(event));
  // A button added after the screen was shown: still no default.
  if (auto* button = qobject_cast<QPushButton*>(receiver)) {
    button->setAutoDefault(false);
    button->setDefault(false);
  }
  return false;
}

bool ScreenBase::previewKeyPress(QWidget* receiver, const QKeyEvent* key) {
  if (key == previewedEvent_ && previewedReceiver_ && receiver != previewedReceiver_ &&
      receiver->isAncestorOf(previewedReceiver_))
    return false;  // the same press climbing to a parent: already previewed
  previewedEvent_ = key;
  previewedReceiver_ = receiver;
  // Outside a run, a box takes its editing keys, held ones included; during a run they keep the
  // meaning the screen gives them.
  if (EditsText(key->key()) && !running_ && IsEditableBox(receiver)) return false;
  if (ActsOncePerPress(key->key()) && IsHeldKeyRepeat(key)) return true;
  bool consumed = true;
  ++handlersRunning_;
  // The key handler runs outside any button handler, so it needs its own error boundary.
  Guarded(this, [&] { consumed = FormKeyDown(key->key(), key->modifiers()); });
  --handlersRunning_;
  return consumed;
}

bool ScreenBase::ownsWindow(const QWidget* window) const {
  for (const QWidget* owner = window->parentWidget(); owner; owner = owner->window()->parentWidget())
    if (owner->window() == this) return true;
  return false;
}

}  // namespace noyalis::platform
