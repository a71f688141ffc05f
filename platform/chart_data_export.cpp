#include "platform/chart_data_export.h"

#include <qcustomplot.h>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMenu>
#include <QSaveFile>
#include <array>
#include <cmath>
#include <limits>

#include "kernel/error.h"
#include "platform/chart_image_export.h"
#include "platform/language.h"
#include "platform/services.h"
#include "platform/widgets.h"

namespace noyalis::platform {

namespace {

struct DataTexts {
  const char* copy;         // the menu entry that copies
  const char* save;         // the menu entry that saves a CSV file
  const char* cannotWrite;  // %1 the file, %2 the system's reason
};

// clang-format off
constexpr std::array<std::pair<const char*, DataTexts>, 5> kTexts = {{
  {"FR", {"Copier les données", "Enregistrer les données…",
          "Les données n'ont pas pu être enregistrées dans « %1 » : %2"}},
  {"UK", {"Copy the data", "Save the data…",
          "The data could not be saved to \"%1\": %2"}},
  {"IT", {"Copia i dati", "Salva i dati…",
          "Impossibile salvare i dati in «%1»: %2"}},
  {"ES", {"Copiar los datos", "Guardar los datos…",
          "No se pudieron guardar los datos en «%1»: %2"}},
  {"DE", {"Daten kopieren", "Daten speichern…",
          "Die Daten konnten nicht in „%1“ gespeichert werden: %2"}},
}};
// clang-format on

const DataTexts& Texts() {
  return InLanguage(kTexts);
}

// Whole numbers as integers (counts, classes); any other in the fewest digits that read back
// exactly. Always with a point.
QString Number(double v) {
  constexpr double kLargestExactInteger = 9007199254740992.0;  // 2^53
  if (std::trunc(v) == v && std::fabs(v) < kLargestExactInteger)
    return QString::number(static_cast<qint64>(v));
  return QString::number(v, 'g', QLocale::FloatingPointShortest);
}

QString SeriesTitle(const QCPAbstractPlottable* series) {
  return series->name().isEmpty() ? series->objectName() : series->name();
}

// A header text on one line: titles may be set on two.
QString OneLine(QString text) {
  return text.replace(u'\n', u' ').replace(u'\r', u' ').replace(u'\t', u' ').simplified();
}

// An RFC 4180 field: quoted, its quotes doubled, when it holds a separator, a quote or a line end.
QString CsvField(const QString& text) {
  if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
    return text;
  QString quoted = text;
  quoted.replace(u'"', QStringLiteral("\"\""));
  return u'"' + quoted + u'"';
}

// The lines of the table, each field made by field() from its text, joined by separator.
template <class Field>
QStringList Lines(const ChartDataTable& table, QChar separator, QChar decimalSeparator, Field field) {
  QStringList lines;
  QStringList header;
  for (const QString& title : table.header) header << field(OneLine(title));
  lines << header.join(separator);
  for (const auto& row : table.rows) {
    QStringList cells;
    for (const std::optional<double>& v : row) {
      QString text = v ? Number(*v) : QString();
      if (decimalSeparator != u'.') text.replace(u'.', decimalSeparator);
      cells << text;
    }
    lines << cells.join(separator);
  }
  return lines;
}

[[noreturn]] void CannotWrite(const QString& path, const QString& reason) {
  throw kernel::IoError(
      QString::fromUtf8(Texts().cannotWrite).arg(QDir::toNativeSeparators(path), reason).toStdString());
}

}  // namespace

ChartDataTable ReadChartData(QCustomPlot* chart) {
  ChartDataTable table;
  const QString xTitle = OneLine(chart->xAxis->label());
  table.header << (xTitle.isEmpty() ? QStringLiteral("x") : xTitle);
  std::vector<QCPPlottableInterface1D*> columns;
  for (int i = 0; i < chart->plottableCount(); ++i) {
    QCPAbstractPlottable* series = chart->plottable(i);
    QCPPlottableInterface1D* points = series->interface1D();
    if (!series->visible() || !points || points->dataCount() == 0) continue;
    columns.push_back(points);
    table.header << SeriesTitle(series);
  }
  // A merge of the series, each sorted by x: every row takes the next point of each series that
  // stands at the smallest x left.
  std::vector<int> next(columns.size(), 0);
  for (;;) {
    double x = std::numeric_limits<double>::infinity();
    for (std::size_t s = 0; s < columns.size(); ++s)
      if (next[s] < columns[s]->dataCount()) x = std::min(x, columns[s]->dataMainKey(next[s]));
    if (std::isinf(x)) break;
    std::vector<std::optional<double>> row(columns.size() + 1);
    row[0] = x;
    for (std::size_t s = 0; s < columns.size(); ++s)
      if (next[s] < columns[s]->dataCount() && columns[s]->dataMainKey(next[s]) == x)
        row[s + 1] = columns[s]->dataMainValue(next[s]++);
    table.rows.push_back(std::move(row));
  }
  return table;
}

QString TabSeparatedText(const ChartDataTable& table, QChar decimalSeparator) {
  return Lines(table, u'\t', decimalSeparator, [](const QString& text) { return text; }).join(u'\n') + u'\n';
}

QByteArray CsvBytes(const ChartDataTable& table) {
  return "\xEF\xBB\xBF" + (Lines(table, u',', u'.', CsvField).join(QStringLiteral("\r\n")) + "\r\n").toUtf8();
}

void CopyChartData(QCustomPlot* chart) {
  QGuiApplication::clipboard()->setText(TabSeparatedText(ReadChartData(chart), QChar(DecimalSeparator())));
}

void SaveChartData(QCustomPlot* chart, const QString& path) {
  const QByteArray bytes = CsvBytes(ReadChartData(chart));
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) CannotWrite(path, file.errorString());
  if (file.write(bytes) != bytes.size() || !file.commit()) CannotWrite(path, file.errorString());
}

void SaveChartDataInteractively(QCustomPlot* chart) {
  QWidget* screen = chart->window();
  const QString proposed =
      QDir::current().filePath(screen->objectName() + '_' + chart->objectName() + QStringLiteral(".csv"));
  QString title = QString::fromUtf8(Texts().save);
  title.chop(1);  // without its ellipsis
  const QString path = ImageFiles().chooseImageFile(screen, title, proposed, {QStringLiteral("CSV (*.csv)")});
  if (path.isEmpty()) return;
  try {
    SaveChartData(chart, path);
  } catch (const kernel::Error& e) {
    Messages().error(screen, QString::fromStdString(e.what()));
  }
}

void AddChartDataEntries(QMenu* menu, QCustomPlot* chart) {
  menu->addSeparator();
  QAction* copy = menu->addAction(QString::fromUtf8(Texts().copy));
  copy->setObjectName("CopyChartData");
  QAction* save = menu->addAction(QString::fromUtf8(Texts().save));
  save->setObjectName("SaveChartData");
  QObject::connect(copy, &QAction::triggered, chart, [chart] { CopyChartData(chart); });
  // Queued: the menu has closed and released the mouse before the file dialog opens.
  QObject::connect(
      save, &QAction::triggered, chart, [chart] { SaveChartDataInteractively(chart); }, Qt::QueuedConnection);
}

}  // namespace noyalis::platform
