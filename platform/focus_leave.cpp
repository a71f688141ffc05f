#include "platform/focus_leave.h"

#include <QFocusEvent>
#include <QWidget>

#include "platform/error_boundary.h"

namespace noyalis::platform {

namespace {

// A filter of its own on the box: the screen's filter sees every event of the application and
// cannot tell one focus change from its copies.
class LeaveWatcher final : public QObject {
 public:
  LeaveWatcher(QWidget* box, FocusLeave which, std::function<void()> left)
      : QObject(box), box_(box), which_(which), left_(std::move(left)) {
    box->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::FocusOut && counts(static_cast<QFocusEvent*>(event)->reason()))
      Guarded(box_->window(), left_);
    return false;
  }

 private:
  bool counts(Qt::FocusReason reason) const {
    if (which_ == FocusLeave::AnyLoss) return true;
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           box_->window()->isVisible();
  }

  QWidget* box_;
  FocusLeave which_;
  std::function<void()> left_;
};

}  // namespace

void WatchFocusLeave(QWidget* box, FocusLeave which, std::function<void()> left) {
  new LeaveWatcher(box, which, std::move(left));
}

}  // namespace noyalis::platform
