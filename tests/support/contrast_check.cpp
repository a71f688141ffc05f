#include "support/contrast_check.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "platform/chart.h"

namespace noyalis::test {

namespace {

// Most of what lies behind a text must reach the limit: a few pixels of a picture may not.
constexpr double kBackgroundShare = 0.9;

// One text on the screen: where it is drawn, its colour and size, and how to take it away for a
// moment (and bring it back) so that what lies behind it can be seen.
struct ShownText {
  QString who;
  QRect rect;  // in the screen's coordinates
  QColor colour;
  int pixelSize;
  std::function<void()> hide, restore;
};

double Linear(double channel) {
  return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(QColor c) {
  return 0.2126 * Linear(c.redF()) + 0.7152 * Linear(c.greenF()) + 0.0722 * Linear(c.blueF());
}

bool Shown(const QWidget* w) {
  return w->isVisibleTo(w->window()) && w->width() > 0;
}

QColor TextColour(const QWidget* w) {
  return w->palette().color(w->isEnabled() ? QPalette::Active : QPalette::Disabled, w->foregroundRole());
}

QRect InScreen(const QWidget* w, const QRect& r, QWidget* screen) {
  return r.translated(w->mapTo(screen, QPoint(0, 0)));
}

QRect Aligned(const QWidget* w, const QFont& font, const QString& text, Qt::Alignment alignment, QRect room) {
  const QSize size = QFontMetrics(font).boundingRect(room, Qt::TextWordWrap | Qt::TextDontClip, text).size();
  return QStyle::alignedRect(w->layoutDirection(), alignment, size.boundedTo(room.size()), room);
}

// Where a button draws its text: after the radio circle, or centred with its picture before it.
QRect ButtonTextRect(QAbstractButton* button) {
  const QFontMetrics metrics(button->font());
  const QSize text = metrics.boundingRect(button->rect(), Qt::TextDontClip, button->text()).size();
  if (auto* radio = qobject_cast<QRadioButton*>(button)) {
    QStyleOptionButton option;
    option.initFrom(radio);
    const QRect room = radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio);
    return QStyle::alignedRect(radio->layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter, text, room);
  }
  constexpr int kIconSpacing = 4;  // between a push button's picture and its text [px]
  const int picture = button->icon().isNull() ? 0 : button->iconSize().width() + kIconSpacing;
  const int left = (button->width() - picture - text.width()) / 2 + picture;
  return QRect(QPoint(left, (button->height() - text.height()) / 2), text);
}

// A control's text, taken away and brought back without a signal (a screen may act on a change).
template <class W>
ShownText WidgetText(W* w, QWidget* screen, QRect rect, QString text,
                     std::function<void(const QString&)> set) {
  const auto quietly = [w, set](const QString& t) {
    const QSignalBlocker block(w);
    set(t);
  };
  return {w->objectName(),
          InScreen(w, rect, screen),
          TextColour(w),
          QFontInfo(w->font()).pixelSize(),
          [quietly] { quietly({}); },
          [quietly, text] { quietly(text); }};
}

void CollectWidgetTexts(QWidget* screen, std::vector<ShownText>& texts) {
  for (QWidget* w : screen->findChildren<QWidget*>()) {
    // A control hidden behind another (a table under its chart) shows no text.
    if (!Shown(w) || w->window() != screen->window() || w->visibleRegion().isEmpty()) continue;
    if (auto* label = qobject_cast<QLabel*>(w)) {
      if (label->text().isEmpty() || !label->pixmap().isNull()) continue;
      const QRect rect =
          Aligned(label, label->font(), label->text(), label->alignment(), label->contentsRect());
      texts.push_back(
          WidgetText(label, screen, rect, label->text(), [label](const QString& t) { label->setText(t); }));
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
      if (edit->text().isEmpty()) continue;
      const QRect room = edit->rect().adjusted(3, 2, -3, -2);
      const QRect rect = Aligned(edit, edit->font(), edit->text(), edit->alignment(), room);
      texts.push_back(
          WidgetText(edit, screen, rect, edit->text(), [edit](const QString& t) { edit->setText(t); }));
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      if (button->text().isEmpty()) continue;
      // Without its text a button centres its picture: the picture goes for a moment too.
      const QIcon icon = button->icon();
      texts.push_back(WidgetText(button, screen, ButtonTextRect(button), button->text(),
                                 [button, icon](const QString& t) {
                                   button->setText(t);
                                   button->setIcon(t.isEmpty() ? QIcon() : icon);
                                 }));
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
      if (group->title().isEmpty()) continue;
      const QRect rect =
          Aligned(group, group->font(), group->title(), Qt::AlignLeft | Qt::AlignTop, group->rect());
      texts.push_back(
          WidgetText(group, screen, rect, group->title(), [group](const QString& t) { group->setTitle(t); }));
    }
  }
}

// The texts a chart draws itself: its title, tick labels, axis titles and legend. They are taken
// away by drawing them transparent, which leaves the layout as it is.
void CollectChartTexts(QWidget* screen, std::vector<ShownText>& texts) {
  for (platform::Chart* chart : screen->findChildren<platform::Chart*>()) {
    if (!Shown(chart)) continue;
    const QPoint origin = chart->mapTo(screen, QPoint(0, 0));
    const auto add = [&](const QString& what, QRect rect, QFont font, QColor colour,
                         std::function<void(QColor)> paint) {
      texts.push_back({chart->objectName() + "'s " + what, rect.translated(origin), colour,
                       QFontInfo(font).pixelSize(),
                       [chart, paint] {
                         paint(Qt::transparent);
                         chart->replot();
                       },
                       [chart, paint, colour] {
                         paint(colour);
                         chart->replot();
                       }});
    };
    if (auto* title = qobject_cast<QCPTextElement*>(chart->plotLayout()->element(0, 0));
        title && !title->text().isEmpty())
      add("title", title->rect(), title->font(), title->textColor(),
          [title](QColor c) { title->setTextColor(c); });
    for (QCPAxis* axis : chart->axisRect()->axes()) {
      if (!axis->visible() || !axis->tickLabels()) continue;
      const QRect inner = chart->axisRect()->rect(), outer = chart->axisRect()->outerRect();
      QRect band = axis->orientation() == Qt::Horizontal
                       ? QRect(QPoint(inner.left(), inner.bottom() + 1), outer.bottomRight())
                       : QRect(outer.topLeft(), QPoint(inner.left() - 1, inner.bottom()));
      band.setWidth(std::max(band.width(), 1));
      add(axis->orientation() == Qt::Horizontal ? "x axis" : "y axis", band, axis->tickLabelFont(),
          axis->tickLabelColor(), [axis](QColor c) {
            axis->setTickLabelColor(c);
            axis->setLabelColor(c);
          });
    }
    if (chart->legend->visible() && chart->legend->itemCount() > 0)
      add("legend", chart->legend->outerRect(), chart->legend->font(), chart->legend->textColor(),
          [chart](QColor c) {
            chart->legend->setTextColor(c);
            for (int i = 0; i < chart->legend->itemCount(); ++i) chart->legend->item(i)->setTextColor(c);
          });
  }
}

// The contrast that the given share of the pixels behind a text reaches.
double ContrastBehind(const QImage& behind, const ShownText& text) {
  const QRect rect = text.rect & behind.rect();
  std::vector<double> ratios;
  ratios.reserve(static_cast<std::size_t>(rect.width()) * static_cast<std::size_t>(rect.height()));
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x)
      ratios.push_back(ContrastRatio(text.colour, behind.pixelColor(x, y)));
  if (ratios.empty()) return 21;
  const auto at = ratios.begin() + static_cast<std::ptrdiff_t>((1 - kBackgroundShare) *
                                                               static_cast<double>(ratios.size() - 1));
  std::nth_element(ratios.begin(), at, ratios.end());
  return *at;
}

}  // namespace

double ContrastRatio(QColor a, QColor b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void CheckContrast(QWidget* screen, QStringList& faults) {
  std::vector<ShownText> texts;
  CollectWidgetTexts(screen, texts);
  CollectChartTexts(screen, texts);
  // Every text taken away at once, the screen drawn once, every text brought back.
  for (ShownText& text : texts) text.hide();
  const QImage behind = screen->grab().toImage();
  for (ShownText& text : texts) text.restore();
  for (const ShownText& text : texts) {
    const double least = text.pixelSize >= kLargeTextPx ? kLeastLargeTextContrast : kLeastContrast;
    const double contrast = ContrastBehind(behind, text);
    if (contrast < least)
      faults << QStringLiteral("%1: text at %2:1 on what lies behind it (%3 px, needs %4:1)")
                    .arg(text.who)
                    .arg(contrast, 0, 'f', 1)
                    .arg(text.pixelSize)
                    .arg(least, 0, 'f', 1);
  }
}

}  // namespace noyalis::test
