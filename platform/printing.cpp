#include "platform/printing.h"

#include <qcustomplot.h>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "platform/chart_overlay.h"
#include "platform/screen_base.h"
#include "platform/services.h"

namespace noyalis::platform {

namespace {

constexpr double kChartMargin = 0.15;  // share of the page width (left, right) and height (top, bottom)

QString PrinterLabel(const QPrinter& printer) {
  if (printer.outputFormat() == QPrinter::PdfFormat) return printer.outputFileName();
  return printer.printerName();
}

void ShowPrintError(QWidget* parent, const QPrinter& printer) {
  Messages().error(parent, QStringLiteral("Erreur d'impression : l'imprimante « %1 » refuse le travail.")
                               .arg(PrinterLabel(printer)));
}

// Ends the job and asks whether it reached the printer: Qt reports its own failures, the queue
// says whether it took the job.
bool JobHandedOver(QPainter& painter, QPrinter& printer, int jobBefore) {
  const bool ended = painter.end();
  return ended && printer.printerState() != QPrinter::Error && Printing().tookJob(printer, jobBefore);
}

}  // namespace

void PrintScreen(ScreenBase* screen) {
  QPrinter printer(QPrinter::HighResolution);
  if (!Printing().choosePrinter(printer, screen)) return;
  screen->setBackgroundColor(Qt::white);
  screen->repaint();
  const QPixmap image = screen->grab();
  const int jobBefore = Printing().newestJob(printer);
  QPainter painter;
  if (!Printing().acceptsJobs(printer) || !painter.begin(&printer)) {
    ShowPrintError(screen, printer);
    return;  // the background stays white until the next successful print
  }
  const QSizeF scale =
      ScreenPrintScale(image.deviceIndependentSize(), QSizeF(screen->logicalDpiX(), screen->logicalDpiY()),
                       printer.pageRect(QPrinter::DevicePixel).size(), printer.resolution());
  painter.scale(scale.width(), scale.height());
  painter.drawPixmap(QPointF(0, 0), image);
  if (!JobHandedOver(painter, printer, jobBefore)) {
    ShowPrintError(screen, printer);
    return;
  }
  screen->setBackgroundColor(screen->normalBackground());
}

QSizeF ScreenPrintScale(const QSizeF& screen, const QSizeF& screenDpi, const QSizeF& printable,
                        int printerDpi) {
  const QSizeF onScreenSize(printerDpi / screenDpi.width(), printerDpi / screenDpi.height());
  if (screen.isEmpty()) return onScreenSize;
  const double fit = std::min({1.0, printable.width() / (screen.width() * onScreenSize.width()),
                               printable.height() / (screen.height() * onScreenSize.height())});
  return onScreenSize * fit;
}

QRectF ChartPrintArea(const QRectF& page, const QSizeF& chart) {
  const QRectF area = page.adjusted(kChartMargin * page.width(), kChartMargin * page.height(),
                                    -kChartMargin * page.width(), -kChartMargin * page.height());
  if (chart.isEmpty()) return area;
  const QSizeF fitted = chart.scaled(area.size(), Qt::KeepAspectRatio);
  return QRectF(area.center() - QPointF(fitted.width() / 2, fitted.height() / 2), fitted);
}

void PrintChart(QCustomPlot* chart) {
  QPrinter printer(QPrinter::HighResolution);
  if (!Printing().defaultPrinter(printer)) {
    Messages().error(chart, QStringLiteral("Aucune imprimante installée"));
    return;
  }
  // The chart's fonts are sized in points: with the page measured in the screen's units they keep
  // their proportion to the chart. The job stays vector drawing, as sharp as the printer can print.
  printer.setResolution(chart->logicalDpiX());
  // Margins are shares of the whole sheet, so the painter works on the whole sheet.
  printer.setFullPage(true);
  const int jobBefore = Printing().newestJob(printer);
  QCPPainter painter;
  if (!Printing().acceptsJobs(printer) || !painter.begin(&printer)) {
    ShowPrintError(chart, printer);
    return;
  }
  painter.setMode(QCPPainter::pmVectorized);
  painter.setMode(QCPPainter::pmNoCaching);
  painter.setMode(QCPPainter::pmNonCosmetic);  // hairlines would vanish on paper
  const QSize onScreen = chart->size();
  const QRectF target = ChartPrintArea(printer.paperRect(QPrinter::DevicePixel), QSizeF(onScreen));
  // The chart lays itself out at its on-screen size and draws its own vectors, scaled to the target.
  painter.translate(target.topLeft());
  painter.scale(target.width() / onScreen.width(), target.height() / onScreen.height());
  chart->toPainter(&painter, onScreen.width(), onScreen.height());
  DrawBoxesOverChart(painter, chart);
  const bool handedOver = JobHandedOver(painter, printer, jobBefore);
  chart->replot();  // the on-screen layout again
  if (!handedOver) ShowPrintError(chart, printer);
}

}  // namespace noyalis::platform
