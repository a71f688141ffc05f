#include "platform/held_keys.h"

#include <QApplication>
#include <QKeyEvent>

namespace noyalis::platform {

namespace {

// Notes the last key released anywhere in the program and its server time.
class ReleaseWatch final : public QObject {
 public:
  ReleaseWatch() : QObject(qApp) { qApp->installEventFilter(this); }

  int key = 0;
  quint64 time = 0;  // [ms]; 0 for events made by the program itself, which carry no time

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::KeyRelease) {
      const auto* release = static_cast<QKeyEvent*>(event);
      key = release->key();
      time = release->timestamp();
    }
    return false;
  }
};

const ReleaseWatch& LastRelease() {
  static const ReleaseWatch* watch = new ReleaseWatch;  // owned by the application
  return *watch;
}

}  // namespace

void WatchHeldKeys() {
  LastRelease();
}

bool ActsOncePerPress(int key) {
  return key == Qt::Key_Escape || key == Qt::Key_Pause || key == Qt::Key_Delete || key == Qt::Key_Space;
}

bool IsHeldKeyRepeat(const QKeyEvent* press) {
  const ReleaseWatch& last = LastRelease();
  return press->isAutoRepeat() ||
         (press->timestamp() != 0 && press->key() == last.key && press->timestamp() == last.time);
}

}  // namespace noyalis::platform
