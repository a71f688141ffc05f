#pragma once
// Chart data for spreadsheets: the chart's right-click menu also offers "Copier les données"
// (tab-separated text with the user's decimal separator, which pastes into any spreadsheet) and
// "Enregistrer les données…" (a CSV file by RFC 4180: commas, point decimals, UTF-8, CR LF),
// both with a header row of the series titles.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class QCustomPlot;
class QMenu;

namespace noyalis::platform {

// What a chart shows as one table: the x column, then one column per visible series that holds
// points. Rows run in x order; a row holds every series' point at that x, and a series with
// several points at one x (an error bar's two ends) fills as many rows. A cell is empty where a
// series has no point.
struct ChartDataTable {
  QStringList header;  // the x axis title (or "x"), then the series titles (or their names)
  std::vector<std::vector<std::optional<double>>> rows;
};

ChartDataTable ReadChartData(QCustomPlot* chart);

// Tab-separated, lines ended by LF, numbers with decimalSeparator and no group separators.
QString TabSeparatedText(const ChartDataTable& table, QChar decimalSeparator);
// RFC 4180: fields separated by commas, quoted when they hold a comma, a quote or a line end,
// lines ended by CR LF; numbers with a point; UTF-8 with its byte-order mark, by which spreadsheets
// recognise it.
QByteArray CsvBytes(const ChartDataTable& table);

// Puts the chart's data on the clipboard as tab-separated text (the user's decimal separator).
void CopyChartData(QCustomPlot* chart);
// Writes the chart's data to path as CSV, replacing the file only once it is whole; a file that
// cannot be written raises kernel::IoError naming it and the system's reason.
void SaveChartData(QCustomPlot* chart, const QString& path);
// Chooses a file (through the chart files' chooser) and saves; a failure is shown in the
// standard error box.
void SaveChartDataInteractively(QCustomPlot* chart);

// Adds "Copier les données" and "Enregistrer les données…" (in the current language) to the
// chart's right-click menu.
void AddChartDataEntries(QMenu* menu, QCustomPlot* chart);

}  // namespace noyalis::platform
