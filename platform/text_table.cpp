#include "platform/text_table.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>
#include <string>
#include <utility>
#include <vector>

#include "kernel/error.h"
#include "platform/accessibility.h"
#include "platform/chart.h"
#include "platform/legend_group.h"
#include "platform/radio_group.h"

namespace noyalis::platform {

namespace {

const char* PropertyName(TextProperty property) {
  switch (property) {
    case TextProperty::Caption:
      return "caption";
    case TextProperty::Hint:
      return "hint";
    case TextProperty::ChartTitleLine1:
      return "chart title line 1";
    case TextProperty::ChartTitleLine2:
      return "chart title line 2";
    case TextProperty::SeriesTitle:
      return "series title";
    case TextProperty::XAxisTitle:
      return "x axis title";
    case TextProperty::YAxisTitle:
      return "y axis title";
    case TextProperty::Items:
      return "items";
    case TextProperty::Name:
      return "name";
  }
  return "?";
}

[[noreturn]] void TableFault(const QWidget* screen, const TextEntry& entry, const char* what) {
  throw kernel::RangeError("text table of " + screen->objectName().toStdString() + ": " + what + " \"" +
                           entry.object + "\" (" + PropertyName(entry.property) + ")");
}

bool SetCaption(QObject* object, const QString& text) {
  if (auto* label = qobject_cast<QLabel*>(object)) {
    label->setText(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
    button->setText(text);
  } else if (auto* group = qobject_cast<QGroupBox*>(object)) {
    group->setTitle(text);
  } else if (auto* edit = qobject_cast<QLineEdit*>(object)) {
    edit->setText(text);
  } else {
    return false;
  }
  return true;
}

// Sets one text; false when the object cannot take that property.
bool SetText(QWidget* screen, QObject* object, TextProperty property, const QString& text) {
  switch (property) {
    case TextProperty::Caption:
      if (object == screen) {
        screen->setWindowTitle(text);
        return true;
      }
      return SetCaption(object, text);
    case TextProperty::Hint:
      if (!object->isWidgetType()) return false;
      static_cast<QWidget*>(object)->setToolTip(text);
      return true;
    case TextProperty::ChartTitleLine1:
    case TextProperty::ChartTitleLine2: {
      auto* chart = qobject_cast<Chart*>(object);
      if (!chart) return false;
      chart->setTitleLine(property == TextProperty::ChartTitleLine1 ? 0 : 1, text);
      return true;
    }
    case TextProperty::SeriesTitle:
      if (auto* series = qobject_cast<QCPAbstractPlottable*>(object)) {
        series->setName(text);
        return true;
      }
      if (auto* group = qobject_cast<LegendGroup*>(object)) {
        group->setTitle(text);
        return true;
      }
      return false;
    case TextProperty::XAxisTitle:
    case TextProperty::YAxisTitle: {
      auto* chart = qobject_cast<Chart*>(object);
      if (!chart) return false;
      (property == TextProperty::XAxisTitle ? chart->xAxis : chart->yAxis)->setLabel(text);
      return true;
    }
    case TextProperty::Items: {
      auto* group = qobject_cast<RadioGroup*>(object);
      if (!group) return false;
      group->setItems(text.split(u'\n'));
      return true;
    }
    case TextProperty::Name:
      if (!object->isWidgetType()) return false;
      static_cast<QWidget*>(object)->setAccessibleName(text);
      return true;
  }
  return false;
}

// The chart an object draws in: the chart itself or the chart of a series or legend entry.
QCustomPlot* ChartOf(QObject* object) {
  if (auto* chart = qobject_cast<QCustomPlot*>(object)) return chart;
  if (auto* part = qobject_cast<QCPLayerable*>(object)) return part->parentPlot();
  return nullptr;
}

// The objects an entry names with the text each gets: one, or each of a run "Edit8..Edit17" of
// names that differ only in their closing number, "%1" in the text becoming the place in the run.
std::vector<std::pair<QString, QString>> Targets(const QWidget* screen, const TextEntry& entry) {
  const QString object = QString::fromUtf8(entry.object);
  const QString text = QString::fromUtf8(entry.text);
  const qsizetype dots = object.indexOf(u"..");
  if (dots < 0) return {{object, text}};
  static const QRegularExpression kNumbered(QStringLiteral("^(\\D+)(\\d+)$"));
  const QRegularExpressionMatch first = kNumbered.match(object.left(dots));
  const QRegularExpressionMatch last = kNumbered.match(object.mid(dots + 2));
  if (!first.hasMatch() || !last.hasMatch() || first.captured(1) != last.captured(1) ||
      last.captured(2).toInt() < first.captured(2).toInt())
    TableFault(screen, entry, "no run of elements named");
  std::vector<std::pair<QString, QString>> targets;
  for (int k = first.captured(2).toInt(), place = 1; k <= last.captured(2).toInt(); ++k, ++place)
    targets.emplace_back(first.captured(1) + QString::number(k),
                         QString(text).replace(QStringLiteral("%1"), QString::number(place)));
  return targets;
}

}  // namespace

void ApplyTextTable(QWidget* screen, TextTable table) {
  QSet<QCustomPlot*> chartsToRedraw;
  for (const TextEntry& entry : table)
    for (const auto& [name, text] : Targets(screen, entry)) {
      QObject* object = name == screen->objectName() ? screen : screen->findChild<QObject*>(name);
      if (!object) TableFault(screen, entry, "no element named");
      if (!SetText(screen, object, entry.property, text))
        TableFault(screen, entry, "this property does not apply to");
      if (QCustomPlot* chart = ChartOf(object)) chartsToRedraw.insert(chart);
    }
  // Titles and legends show at the next paint of their chart; one queued replot each.
  for (QCustomPlot* chart : chartsToRedraw) chart->replot(QCustomPlot::rpQueuedReplot);
  MakeAccessible(screen);  // names and Tab order follow the texts just set
}

void ApplyLanguage(QWidget* screen, const ScreenTexts& texts, const QString& code) {
  if (code == u"UK")
    ApplyTextTable(screen, texts.UK);
  else if (code == u"FR")
    ApplyTextTable(screen, texts.FR);
  else if (code == u"IT")
    ApplyTextTable(screen, texts.IT);
  else if (code == u"ES")
    ApplyTextTable(screen, texts.ES);
  else if (code == u"DE")
    ApplyTextTable(screen, texts.AL);
}

}  // namespace noyalis::platform
