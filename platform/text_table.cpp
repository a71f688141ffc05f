#include "platform/text_table.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <string>

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
  }
  return false;
}

// The chart an object draws in: the chart itself or the chart of a series or legend entry.
QCustomPlot* ChartOf(QObject* object) {
  if (auto* chart = qobject_cast<QCustomPlot*>(object)) return chart;
  if (auto* part = qobject_cast<QCPLayerable*>(object)) return part->parentPlot();
  return nullptr;
}

}  // namespace

void ApplyTextTable(QWidget* screen, TextTable table) {
  QSet<QCustomPlot*> chartsToRedraw;
  for (const TextEntry& entry : table) {
    const QString name = QString::fromUtf8(entry.object);
    QObject* object = name == screen->objectName() ? screen : screen->findChild<QObject*>(name);
    if (!object) TableFault(screen, entry, "no element named");
    if (!SetText(screen, object, entry.property, QString::fromUtf8(entry.text)))
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
