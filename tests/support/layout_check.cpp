#include "support/layout_check.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QtTest>
#include <cstdlib>
#include <vector>

#include "platform/language.h"
#include "support/chart_check.h"
#include "support/contrast_check.h"

namespace noyalis::test {

namespace {

constexpr int kEditPadding = 6;    // frame and inner margins of an edit box [px]
constexpr int kButtonPadding = 8;  // a button's frame and the least room around its text [px]
// A label's text and whatever stands beside it on its line keep at least this much room [px]: a
// word closer to its box than a space reads as touching it.
constexpr int kLeastGap = 5;

struct TextPlace {
  enum Kind {
    Text,   // a label's text
    Frame,  // a button, radio item or group box, its text inside its own frame
    Box,    // an edit or spin box
  };
  QWidget* widget;
  QRect rect;  // in the parent's coordinates
  Kind kind;
};

QString Describe(const QWidget* w, const QRect& r) {
  return QStringLiteral("%1 (%2,%3 %4×%5)")
      .arg(w->objectName())
      .arg(r.x())
      .arg(r.y())
      .arg(r.width())
      .arg(r.height());
}

// The size of a label's text: its widest line by its lines, wrapped at the label's width when it
// wraps.
QSize LabelTextSize(const QLabel* label) {
  constexpr int kUnbounded = 100'000;
  const int width = label->wordWrap() ? label->contentsRect().width() : kUnbounded;
  return QFontMetrics(label->font())
      .boundingRect(QRect(0, 0, width, kUnbounded), label->wordWrap() ? Qt::TextWordWrap : 0, label->text())
      .size();
}

bool MultiLine(const QLabel* label) {
  return label->wordWrap() || label->text().contains('\n');
}

// Where a label's text is drawn, in its parent's coordinates.
QRect LabelTextRect(const QLabel* label) {
  const QSize text = LabelTextSize(label);
  const QRect inside =
      QStyle::alignedRect(label->layoutDirection(), label->alignment(), text, label->contentsRect());
  return inside.translated(label->pos());
}

QRect GroupBoxTitleRect(const QGroupBox* box) {
  QStyleOptionGroupBox option;
  option.initFrom(box);
  option.text = box->title();
  option.lineWidth = 1;
  option.textAlignment = box->alignment();
  option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
  return box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
}

bool Shown(const QWidget* w) {
  return w->isVisibleTo(w->window()) && w->width() > 0;
}

// Texts wider than their control.
void CheckWidths(QWidget* screen, QStringList& faults) {
  for (QLabel* label : screen->findChildren<QLabel*>()) {
    if (!Shown(label) || label->text().isEmpty()) continue;
    const QSize needed = LabelTextSize(label);
    if (needed.width() > label->contentsRect().width())
      faults << QStringLiteral("%1: text \"%2\" needs %3 px")
                    .arg(Describe(label, label->geometry()), label->text())
                    .arg(needed.width());
    else if (MultiLine(label) && needed.height() > label->contentsRect().height())
      faults << QStringLiteral("%1: text \"%2\" needs %3 px of height")
                    .arg(Describe(label, label->geometry()), label->text())
                    .arg(needed.height());
  }
  for (QGroupBox* box : screen->findChildren<QGroupBox*>()) {
    if (!Shown(box) || box->title().isEmpty()) continue;
    // The style places the caption (in its own font) and lets it run past the frame, cut.
    const QRect title = GroupBoxTitleRect(box);
    if (title.right() > box->rect().right())
      faults << QStringLiteral("%1: caption \"%2\" needs %3 px")
                    .arg(Describe(box, box->geometry()), box->title())
                    .arg(title.right() + 1);
  }
  for (QAbstractButton* button : screen->findChildren<QAbstractButton*>()) {
    if (!Shown(button) || button->text().isEmpty()) continue;
    const auto* radio = qobject_cast<QRadioButton*>(button);
    const int needed = radio
                           ? radio->sizeHint().width()
                           : QFontMetrics(button->font()).horizontalAdvance(button->text()) + kButtonPadding +
                                 (button->icon().isNull() ? 0 : button->iconSize().width());
    const QRect inParent =
        radio ? button->geometry() & button->parentWidget()->contentsRect() : button->geometry();
    if (needed > inParent.width())
      faults << QStringLiteral("%1: text \"%2\" needs %3 px")
                    .arg(Describe(button, button->geometry()), button->text())
                    .arg(needed);
  }
  for (QLineEdit* edit : screen->findChildren<QLineEdit*>()) {
    if (!Shown(edit) || edit->text().isEmpty() || !edit->isReadOnly()) continue;
    const int needed = QFontMetrics(edit->font()).horizontalAdvance(edit->text()) + kEditPadding;
    if (needed > edit->width())
      faults << QStringLiteral("%1: text \"%2\" needs %3 px")
                    .arg(Describe(edit, edit->geometry()), edit->text())
                    .arg(needed);
  }
}

// Whether two places on one line run into each other or stand closer than least [px].
bool TooClose(const QRect& a, const QRect& b, int least) {
  const int sharedHeight = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top()) + 1;
  if (sharedHeight <= 1) return false;  // one above the other
  const int gap = std::max(a.left(), b.left()) - std::min(a.right(), b.right()) - 1;
  return gap < least;
}

// Texts that run into one another or into a box: labels' texts keep kLeastGap from everything
// beside them; buttons, radio items and group boxes must not overlap each other or a box. A text's
// advance ends with its last letter's side bearing: one pixel shared by two frames is no overlap.
void CheckOverlaps(QWidget* screen, QStringList& faults) {
  std::vector<QWidget*> parents{screen};
  for (QWidget* w : screen->findChildren<QWidget*>()) parents.push_back(w);
  for (QWidget* parent : parents) {
    std::vector<TextPlace> places;
    for (QObject* child : parent->children()) {
      auto* w = qobject_cast<QWidget*>(child);
      if (!w || !Shown(w)) continue;
      if (auto* label = qobject_cast<QLabel*>(w)) {
        if (!label->text().isEmpty()) places.push_back({w, LabelTextRect(label), TextPlace::Text});
      } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        if (!button->text().isEmpty()) places.push_back({w, w->geometry(), TextPlace::Frame});
      } else if (qobject_cast<QGroupBox*>(w)) {
        places.push_back({w, w->geometry(), TextPlace::Frame});
      } else if (qobject_cast<QAbstractSpinBox*>(w) ||
                 (qobject_cast<QLineEdit*>(w) && !qobject_cast<QAbstractSpinBox*>(parent))) {
        places.push_back({w, w->geometry(), TextPlace::Box});
      }
    }
    for (std::size_t i = 0; i < places.size(); ++i)
      for (std::size_t j = i + 1; j < places.size(); ++j) {
        const TextPlace &a = places[i], &b = places[j];
        if (a.kind == TextPlace::Box && b.kind == TextPlace::Box) continue;  // boxes side by side
        // A text wholly under a button stacked above it ("C'est fini" under "1 jet") is not seen.
        if (a.kind == TextPlace::Text && b.kind == TextPlace::Frame && b.rect.contains(a.widget->geometry()))
          continue;
        const bool text = a.kind == TextPlace::Text || b.kind == TextPlace::Text;
        if (TooClose(a.rect, b.rect, text ? kLeastGap : -1))
          faults << QStringLiteral("%1 %2 %3")
                        .arg(Describe(a.widget, a.rect), text ? "runs into" : "overlaps",
                             Describe(b.widget, b.rect));
      }
  }
}

}  // namespace

QStringList LayoutFaults(QWidget* screen) {
  // Shown, as the user sees it: labels refit their texts and layouts place the radio items.
  screen->show();
  if (!QTest::qWaitForWindowExposed(screen)) return {QStringLiteral("the screen could not be shown")};
  QCoreApplication::processEvents();
  for (QWidget* w : screen->findChildren<QWidget*>())
    if (w->layout()) w->layout()->activate();
  QStringList faults;
  CheckWidths(screen, faults);
  CheckOverlaps(screen, faults);
  CheckCharts(screen, faults);
  CheckContrast(screen, faults);
  return faults;
}

namespace {

// A check mark differs from an empty circle by at least this much lightness (0 … 255).
constexpr int kCheckMarkContrast = 100;

QColor IndicatorMiddle(QRadioButton* item) {
  QStyleOptionButton option;
  option.initFrom(item);
  const QRect indicator = item->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, item);
  return item->grab().toImage().pixelColor(indicator.center());
}

}  // namespace

QStringList UnseenChoices(QWidget* screen) {
  QStringList faults;
  for (QGroupBox* group : screen->findChildren<QGroupBox*>()) {
    QRadioButton *chosen = nullptr, *other = nullptr;
    for (QRadioButton* item : group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
      (item->isChecked() ? chosen : other) = item;
    if (!chosen || !other) continue;
    const int contrast = std::abs(IndicatorMiddle(chosen).lightness() - IndicatorMiddle(other).lightness());
    if (contrast < kCheckMarkContrast)
      faults << QStringLiteral("%1: the chosen item \"%2\" looks like the others (contrast %3)")
                    .arg(group->objectName(), chosen->text())
                    .arg(contrast);
  }
  return faults;
}

// With NOYALIS_LAYOUT_SHOTS set to a folder, every screen checked is also saved there as a picture,
// to be looked at: "<screen>-<language>[-run].png".
void SaveShot(QWidget* screen, const QString& name) {
  const QString folder = qEnvironmentVariable("NOYALIS_LAYOUT_SHOTS");
  if (folder.isEmpty()) return;
  // The checks put the texts they hide back: let the layouts place them again first.
  QCoreApplication::processEvents();
  for (QWidget* w : screen->findChildren<QWidget*>())
    if (w->layout()) w->layout()->activate();
  screen->grab().save(QDir(folder).filePath(name + ".png"));
}

QStringList LayoutFaultsInEveryLanguage(const ScreenUnderCheck& screen) {
  QStringList faults;
  const QString saved = platform::LanguageCode();
  for (const char* code : {"FR", "UK", "IT", "ES", "DE"}) {
    platform::SetLanguageCode(code);
    const std::unique_ptr<QWidget> built = screen.make();
    for (const QString& fault : LayoutFaults(built.get()))
      faults << QStringLiteral("%1 %2: %3").arg(screen.name, code, fault);
    SaveShot(built.get(), QStringLiteral("%1-%2").arg(screen.name, code));
    if (!screen.run) continue;
    screen.run(built.get());
    for (const QString& fault : LayoutFaults(built.get()))
      faults << QStringLiteral("%1 %2 after a run: %3").arg(screen.name, code, fault);
    SaveShot(built.get(), QStringLiteral("%1-%2-run").arg(screen.name, code));
  }
  platform::SetLanguageCode(saved);
  return faults;
}

}  // namespace noyalis::test
