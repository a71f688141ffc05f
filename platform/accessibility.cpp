#include "platform/accessibility.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <limits>
#include <map>
#include <vector>

#include "platform/chart.h"
#include "platform/held_keys.h"
#include "platform/picture.h"

namespace noyalis::platform {

namespace {

// The property that marks a name or description MakeAccessible set, so that it may replace it
// when the language changes, while a name given by the screen itself stays.
constexpr char kAutoName[] = "noyalisAutoAccessibleName";
constexpr char kAutoDescription[] = "noyalisAutoAccessibleDescription";
constexpr char kPictureKeys[] = "noyalisPictureKeys";
// Widgets whose tops lie this close share a line of reading, and at most this much farther for a
// tall first widget [px].
constexpr int kLineTolerance = 20;
constexpr int kLongestLineStep = 40;
// A label names the control beside it up to this far to its left, or just above it [px].
constexpr int kLabelReachLeft = 150;
constexpr int kLabelReachAbove = 24;
// A unit starts at most this far right of its box [px].
constexpr int kUnitGap = 12;
// A column heading stands at most this far above the box it heads [px].
constexpr int kHeadingReach = 60;

QString Plain(QString text) {
  text.remove(u'&');
  text.replace(u'\n', u' ');
  return text.simplified();
}

QRect GeometryIn(const QWidget* w, const QWidget* screen) {
  return QRect(w->mapTo(screen, QPoint(0, 0)), w->size());
}

// The text a control shows as its own caption.
QString CaptionOf(const QWidget* w) {
  if (auto* button = qobject_cast<const QAbstractButton*>(w)) return Plain(button->text());
  if (auto* group = qobject_cast<const QGroupBox*>(w)) return Plain(group->title());
  if (auto* chart = qobject_cast<const Chart*>(w))
    return Plain(chart->titleLine(0) + ' ' + chart->titleLine(1));
  return {};
}

// The name the screen gave a widget itself (its text tables), not one MakeAccessible made up.
QString GivenName(const QWidget* w) {
  const QString name = w->accessibleName();
  return name == w->property(kAutoName).toString() ? QString() : name;
}

// What a label says: the name its screen gave it (the meaning of the row it starts), else its text.
QString LabelText(const QLabel* label) {
  const QString given = GivenName(label);
  return given.isEmpty() ? Plain(label->text()) : given;
}

// The title of a widget other controls can lie on: a group or a strip with a hint. A chart's
// title says what the chart shows, not what a box over it holds.
QString ContainerTitle(const QWidget* w) {
  if (qobject_cast<const Chart*>(w) || qobject_cast<const QLabel*>(w) || IsControl(w)) return {};
  if (const QString given = GivenName(w); !given.isEmpty()) return given;
  const QString title = CaptionOf(w);
  return title.isEmpty() ? Plain(w->toolTip()) : title;
}

// The nearest label left of the control on its line, within reach [px].
const QLabel* RowLabel(const QRect& c, const QWidget* screen, const std::vector<const QLabel*>& labels,
                       int reach) {
  const QLabel* best = nullptr;
  for (const QLabel* label : labels) {
    const QRect l = GeometryIn(label, screen);
    const bool sameLine = l.center().y() >= c.top() && l.center().y() <= c.bottom();
    if (sameLine && l.right() <= c.left() + 2 && c.left() - l.right() <= reach &&
        (!best || l.right() > GeometryIn(best, screen).right()))
      best = label;
  }
  return best;
}

// The label that ends the control's line on its right, if any.
const QLabel* RowEndLabel(const QRect& c, const QWidget* screen, const std::vector<const QLabel*>& labels) {
  const QLabel* best = nullptr;
  for (const QLabel* label : labels) {
    const QRect l = GeometryIn(label, screen);
    const bool sameLine = l.center().y() >= c.top() && l.center().y() <= c.bottom();
    if (sameLine && l.left() >= c.right() - 2 && (!best || l.left() < GeometryIn(best, screen).left()))
      best = label;
  }
  return best;
}

// The label just left of the control on its line, else the nearest just above it.
QString LabelBeside(const QWidget* control, const QWidget* screen, const std::vector<const QLabel*>& labels) {
  const QRect c = GeometryIn(control, screen);
  if (const QLabel* row = RowLabel(c, screen, labels, kLabelReachLeft)) return LabelText(row);
  const QLabel* best = nullptr;
  int bestDistance = std::numeric_limits<int>::max();
  for (const QLabel* label : labels) {
    const QRect l = GeometryIn(label, screen);
    const bool overlapsColumn = l.left() <= c.right() && l.right() >= c.left();
    const int distance = std::max(0, c.top() - l.bottom());
    if (overlapsColumn && l.center().y() < c.top() && c.top() - l.bottom() <= kLabelReachAbove &&
        distance < bestDistance) {
      best = label;
      bestDistance = distance;
    }
  }
  return best ? LabelText(best) : QString();
}

// A label that starts right where a box on its line ends: the box's unit.
bool IsUnitOfABox(const QLabel* label, const QWidget* screen, const std::vector<const QWidget*>& all) {
  const QRect l = GeometryIn(label, screen);
  for (const QWidget* w : all) {
    if (!IsControl(w) || qobject_cast<const QAbstractButton*>(w)) continue;
    const QRect b = GeometryIn(w, screen);
    if (b.height() > kLongestLineStep) continue;  // a table or a chart, not a box on a line
    if (l.center().y() >= b.top() && l.center().y() <= b.bottom() && l.left() >= b.right() &&
        l.left() - b.right() <= kUnitGap)
      return true;
  }
  return false;
}

// A box in a table: the label that starts (or ends) its row and the button heading its column (the nearest
// above whose middle lies over the box, with no text between), as "row column" ("écart type 5mm").
QString CellName(const QWidget* control, const QWidget* screen, const std::vector<const QLabel*>& labels,
                 const std::vector<const QAbstractButton*>& headings) {
  const QRect c = GeometryIn(control, screen);
  const QLabel* row = RowLabel(c, screen, labels, std::numeric_limits<int>::max());
  if (!row) row = RowEndLabel(c, screen, labels);
  if (!row) return {};
  const auto over = [&](const QRect& r) { return r.center().x() >= c.left() && r.center().x() <= c.right(); };
  const QAbstractButton* column = nullptr;
  for (const QAbstractButton* h : headings) {
    const QRect r = GeometryIn(h, screen);
    if (over(r) && r.bottom() <= c.top() + 2 && c.top() - r.bottom() <= kHeadingReach &&
        (!column || r.bottom() > GeometryIn(column, screen).bottom()))
      column = h;
  }
  if (!column) return {};
  const int headingBottom = GeometryIn(column, screen).bottom();
  for (const QLabel* label : labels) {
    const QRect l = GeometryIn(label, screen);
    if (over(l) && l.top() >= headingBottom && l.bottom() <= c.top()) return {};  // a caption of its own
  }
  return LabelText(row) + ' ' + CaptionOf(column);
}

// The smallest titled widget the control lies on (a sibling drawn around or over it).
const QWidget* ContainerOf(const QWidget* control, const QWidget* screen,
                           const std::vector<const QWidget*>& all) {
  const QPoint centre = GeometryIn(control, screen).center();
  const QWidget* best = nullptr;
  for (const QWidget* w : all) {
    if (w == control || w->isAncestorOf(control) || control->isAncestorOf(w)) continue;
    const QRect r = GeometryIn(w, screen);
    if (!r.contains(centre) || ContainerTitle(w).isEmpty()) continue;
    if (!best || r.width() * r.height() < best->width() * best->height()) best = w;
  }
  return best;
}

void SetAuto(QWidget* w, const char* mark, const QString& text, bool name) {
  const QString current = name ? w->accessibleName() : w->accessibleDescription();
  // A text the screen set itself is kept.
  if (!current.isEmpty() && current != w->property(mark).toString()) return;
  if (name)
    w->setAccessibleName(text);
  else
    w->setAccessibleDescription(text);
  w->setProperty(mark, text);
}

// The hint of the control or of the nearest group around it.
QString HintOf(const QWidget* w, const QWidget* screen) {
  for (const QWidget* p = w; p && p != screen; p = p->parentWidget())
    if (!p->toolTip().isEmpty()) return Plain(p->toolTip());
  return {};
}

// A picture as a keyboard control: Enter or Space clicks it, the arrow keys move on like Tab, and
// a frame shows the focus once the keyboard brought it there (not the focus a window gives its first
// control when it opens). The mouse keeps its own way (a click does not take the focus).
class PictureKeys final : public QObject {
 public:
  explicit PictureKeys(Picture* picture) : QObject(picture), picture_(picture) {
    picture->setFocusPolicy(Qt::TabFocus);
    picture->installEventFilter(this);
    WatchHeldKeys();  // a held Space or Enter clicks once
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        showKeyboardFocus(true);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
        switch (key->key()) {
          case Qt::Key_Return:
          case Qt::Key_Enter:
          case Qt::Key_Space:
            if (!IsHeldKeyRepeat(key)) emit picture_->clicked();
            return true;
          case Qt::Key_Right:
          case Qt::Key_Down:
            return moveFocus(true);
          case Qt::Key_Left:
          case Qt::Key_Up:
            return moveFocus(false);
          default:
            return false;
        }
      }
      case QEvent::FocusIn:
      case QEvent::FocusOut:
        switch (static_cast<QFocusEvent*>(event)->reason()) {
          case Qt::TabFocusReason:
          case Qt::BacktabFocusReason:
          case Qt::ShortcutFocusReason:
            showKeyboardFocus(event->type() == QEvent::FocusIn);
            break;
          case Qt::ActiveWindowFocusReason:  // the window comes and goes; the frame with it
          case Qt::PopupFocusReason:
            break;
          default:
            showKeyboardFocus(false);
        }
        picture_->update();
        return false;
      case QEvent::Paint: {
        // The picture first, then the focus frame over it.
        static_cast<QObject*>(picture_)->event(event);
        if (picture_->hasFocus() && keyboardFocus_) {
          QPainter painter(picture_);
          painter.setPen(QPen(picture_->palette().color(QPalette::Highlight), 3, Qt::DashLine));
          painter.drawRect(picture_->rect().adjusted(1, 1, -2, -2));
        }
        return true;
      }
      default:
        return false;
    }
  }

 private:
  void showKeyboardFocus(bool shown) {
    if (keyboardFocus_ == shown) return;
    keyboardFocus_ = shown;
    picture_->update();
  }
  bool moveFocus(bool forward) {
    QKeyEvent tab(QEvent::KeyPress, forward ? Qt::Key_Tab : Qt::Key_Backtab,
                  forward ? Qt::NoModifier : Qt::ShiftModifier);
    QCoreApplication::sendEvent(picture_, &tab);
    return true;
  }
  Picture* picture_;
  bool keyboardFocus_ = false;
};

void MakePictureAControl(Picture* picture) {
  if (picture->property(kPictureKeys).toBool()) return;
  picture->setProperty(kPictureKeys, true);
  new PictureKeys(picture);
}

// Direct children in reading order: lines top to bottom, each line left to right. A line is the
// widgets whose tops lie within half the height of its first widget (at least kLineTolerance, at
// most kLongestLineStep, so that a tall chart does not swallow the table beside it).
std::vector<QWidget*> InReadingOrder(std::vector<QWidget*> widgets) {
  std::stable_sort(widgets.begin(), widgets.end(), [](const QWidget* a, const QWidget* b) {
    return a->geometry().top() < b->geometry().top();
  });
  std::vector<QWidget*> ordered;
  for (std::size_t start = 0; start < widgets.size();) {
    const QRect first = widgets[start]->geometry();
    const int reach = first.top() + std::clamp(first.height() / 2, kLineTolerance, kLongestLineStep);
    std::size_t end = start + 1;
    while (end < widgets.size() && widgets[end]->geometry().top() < reach) ++end;
    const auto from = widgets.begin() + static_cast<std::ptrdiff_t>(start);
    const auto to = widgets.begin() + static_cast<std::ptrdiff_t>(end);
    std::stable_sort(from, to, [](const QWidget* a, const QWidget* b) {
      return a->geometry().left() < b->geometry().left();
    });
    ordered.insert(ordered.end(), from, to);
    start = end;
  }
  return ordered;
}

bool HoldsControls(const QWidget* w) {
  for (const QWidget* child : w->findChildren<QWidget*>())
    if (IsControl(child)) return true;
  return false;
}

// The controls under parent in reading order, groups kept together.
void CollectInReadingOrder(QWidget* parent, std::vector<QWidget*>& out) {
  std::vector<QWidget*> children;
  for (QObject* o : parent->children()) {
    auto* w = qobject_cast<QWidget*>(o);
    if (!w || w->isWindow()) continue;
    if (IsControl(w) || HoldsControls(w)) children.push_back(w);
  }
  for (QWidget* w : InReadingOrder(children)) {
    if (IsControl(w)) out.push_back(w);
    // A chart is a control that can hold boxes of its own; the inner edit of a spin box is not one.
    if (HoldsControls(w)) CollectInReadingOrder(w, out);
  }
}

}  // namespace

bool IsControl(const QWidget* widget) {
  if (widget->isWindow()) return false;
  // The inner edit of a spin box belongs to the box.
  for (const QWidget* p = widget->parentWidget(); p && !p->isWindow(); p = p->parentWidget())
    if (qobject_cast<const QAbstractSpinBox*>(p)) return false;
  return (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

void MakeAccessible(QWidget* screen) {
  const QList<QWidget*> descendants = screen->findChildren<QWidget*>();
  std::vector<const QLabel*> labels;
  std::vector<const QWidget*> all;
  for (QWidget* w : descendants) {
    if (w->window() != screen->window() || w->isWindow()) continue;  // not the controls of a window over it
    all.push_back(w);
    if (auto* label = qobject_cast<const QLabel*>(w);
        label && !qobject_cast<const Picture*>(w) && !Plain(label->text()).isEmpty())
      labels.push_back(label);
    // Tab leaves a table for the next control; the arrow keys move between its cells.
    if (auto* table = qobject_cast<QAbstractItemView*>(w)) table->setTabKeyNavigation(false);
    if (auto* picture = qobject_cast<Picture*>(w);
        picture && (!picture->toolTip().trimmed().isEmpty() || !picture->accessibleName().isEmpty()))
      MakePictureAControl(picture);
  }

  std::vector<QWidget*> controls;
  CollectInReadingOrder(screen, controls);

  // Names. A button or a picture by its caption, else its hint: a label near a button names
  // something else. A box by its caption; else as the cell of a table (its row's label and its
  // column's heading); else by the label beside it; else by its hint; else by the strip or group
  // it lies on (numbered when several share it); else by its own text. A name the screen gave
  // stays; a control with none of these stays unnamed, never named after its system name.
  std::vector<const QAbstractButton*> headings;
  for (const QWidget* w : all)
    if (auto* button = qobject_cast<const QPushButton*>(w)) headings.push_back(button);
  // A unit written just right of a box ("µs") belongs to that box and names no other.
  std::vector<const QLabel*> captions = labels;
  std::erase_if(captions, [&](const QLabel* label) { return IsUnitOfABox(label, screen, all); });
  std::map<const QWidget*, std::vector<QWidget*>> byContainer;
  for (QWidget* c : controls) {
    const bool box = !qobject_cast<const QAbstractButton*>(c) && !qobject_cast<const Picture*>(c);
    QString name = CaptionOf(c);
    if (name.isEmpty() && box) name = CellName(c, screen, labels, headings);
    if (name.isEmpty() && box) name = LabelBeside(c, screen, captions);
    if (name.isEmpty()) name = Plain(c->toolTip());
    if (name.isEmpty() && box) {
      if (const QWidget* container = ContainerOf(c, screen, all)) {
        byContainer[container].push_back(c);
        continue;
      }
      if (auto* edit = qobject_cast<const QLineEdit*>(c)) name = Plain(edit->text());
    }
    SetAuto(c, kAutoName, name, true);
  }
  for (const auto& [container, members] : byContainer) {
    const QString title = ContainerTitle(container);
    for (std::size_t k = 0; k < members.size(); ++k)
      SetAuto(members[k], kAutoName, members.size() == 1 ? title : QString("%1 (%2)").arg(title).arg(k + 1),
              true);
  }

  // Descriptions: the hint, unless it is already the name.
  for (QWidget* c : controls) {
    const QString hint = HintOf(c, screen);
    SetAuto(c, kAutoDescription, hint == c->accessibleName() ? QString() : hint, false);
  }
  for (const QWidget* w : all)
    if (!IsControl(w) && !w->toolTip().isEmpty())
      SetAuto(const_cast<QWidget*>(w), kAutoDescription, Plain(w->toolTip()), false);

  for (std::size_t i = 1; i < controls.size(); ++i) QWidget::setTabOrder(controls[i - 1], controls[i]);
}

}  // namespace noyalis::platform
