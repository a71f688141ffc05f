#pragma once
// The two printing operations of the screens.
#include <QRectF>
#include <QSizeF>

class QCustomPlot;

namespace noyalis::platform {

class ScreenBase;

// Screen print: the print dialog, then the screen's client area on one page at its on-screen size
// (scaled from screen to printer resolution, top left of the printable area; made just small
// enough to fit when the printable area is narrower or shorter than the screen), the background white
// while printing and back to the screen's normal colour after. Cancel prints and changes nothing;
// a printer error is shown and leaves the background white.
void PrintScreen(ScreenBase* screen);

// Chart print: the chart, with the result boxes over it, alone on one page of the default printer,
// no dialog, drawn by the chart at printer resolution inside 15 % margins, keeping its on-screen
// proportions. No printer installed, or a printer error, is shown as an error message.
void PrintChart(QCustomPlot* chart);

// The scale from screen pixels to printer dots of a screen print of size screen [px]: its
// on-screen size on paper, or as much smaller, keeping its proportions, as the printable area
// [dots] needs for the whole screen to stay on the page.
QSizeF ScreenPrintScale(const QSizeF& screen, const QSizeF& screenDpi, const QSizeF& printable,
                        int printerDpi);

// Where the chart print puts a chart of on-screen size chart on a page: inside margins of 15 % of
// the page width left and right and 15 % of its height top and bottom, as large as the chart's
// proportions allow, centred.
QRectF ChartPrintArea(const QRectF& page, const QSizeF& chart);

}  // namespace noyalis::platform
