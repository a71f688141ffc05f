#include "platform/chart_image_export.h"

#include <qcustomplot.h>
#include <QBuffer>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <array>

#include "kernel/error.h"
#include "kernel/file_replacement.h"
#include "platform/chart_data_export.h"
#include "platform/chart_overlay.h"
#include "platform/language.h"
#include "platform/services.h"

namespace noyalis::platform {

namespace {

struct ExportTexts {
  const char* save;         // the menu entry at the chart's size
  const char* saveLarge;    // the menu entry at twice the size
  const char* cannotWrite;  // %1 the file, %2 the system's reason
};

// clang-format off
constexpr std::array<std::pair<const char*, ExportTexts>, 5> kTexts = {{
  {"FR", {"Enregistrer l'image…", "Enregistrer l'image en taille double…",
          "L'image n'a pas pu être enregistrée dans « %1 » : %2"}},
  {"UK", {"Save the image…", "Save the image at double size…",
          "The image could not be saved to \"%1\": %2"}},
  {"IT", {"Salva l'immagine…", "Salva l'immagine in doppia dimensione…",
          "Impossibile salvare l'immagine in «%1»: %2"}},
  {"ES", {"Guardar la imagen…", "Guardar la imagen a tamaño doble…",
          "No se pudo guardar la imagen en «%1»: %2"}},
  {"DE", {"Bild speichern…", "Bild in doppelter Größe speichern…",
          "Das Bild konnte nicht in „%1“ gespeichert werden: %2"}},
}};
// clang-format on

const ExportTexts& Texts() {
  return InLanguage(kTexts);
}

const QStringList kFilters = {"PNG (*.png)", "SVG (*.svg)", "PDF (*.pdf)"};
constexpr double kLargeScale = 2.0;

class DialogImageFiles final : public ImageFileChooser {
 public:
  QString chooseImageFile(QWidget* parent, const QString& title, const QString& proposedPath,
                          const QStringList& filters) override {
    QString selected = filters.front();
    QString path = QFileDialog::getSaveFileName(parent, title, proposedPath, filters.join(";;"), &selected);
    // A name typed without a suffix takes the one of the chosen filter.
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
      path += '.' + selected.section("*.", 1).chopped(1);
    return path;
  }
};

ImageFileChooser* gChooser = nullptr;

[[noreturn]] void CannotWrite(const QString& path, const QString& reason) {
  throw kernel::IoError(
      QString::fromUtf8(Texts().cannotWrite).arg(QDir::toNativeSeparators(path), reason).toStdString());
}

// The chart drawn by the chart itself, with the screen's result boxes over it.
void DrawChart(QCPPainter& painter, QCustomPlot* chart) {
  chart->toPainter(&painter, chart->width(), chart->height());
  DrawBoxesOverChart(painter, chart);
}

[[noreturn]] void NotDrawn() {
  throw kernel::Error("The chart could not be drawn");
}

QByteArray PngBytes(QCustomPlot* chart, double scale) {
  QPixmap pixmap = chart->toPixmap(chart->width(), chart->height(), scale);
  QPainter painter(&pixmap);
  painter.scale(scale, scale);
  DrawBoxesOverChart(painter, chart);
  painter.end();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!pixmap.save(&buffer, "png")) NotDrawn();
  return bytes;
}

QByteArray SvgBytes(QCustomPlot* chart, double scale) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(QSize(qRound(chart->width() * scale), qRound(chart->height() * scale)));
  svg.setViewBox(chart->rect());
  svg.setResolution(chart->logicalDpiX());  // the chart's fonts keep their proportion to it
  QCPPainter painter;
  if (!painter.begin(&svg)) NotDrawn();
  DrawChart(painter, chart);
  painter.end();
  return bytes;
}

// A PDF is drawn in vectors, one page of the chart's size: it prints sharp at any size.
QByteArray PdfBytes(QCustomPlot* chart) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  pdf.setCreator(QGuiApplication::applicationDisplayName());
  // One page unit per screen pixel, so that the chart's fonts keep their proportion to it.
  const int dpi = chart->logicalDpiX();
  pdf.setResolution(dpi);
  const QSizeF points = QSizeF(chart->size()) * 72.0 / dpi;
  pdf.setPageLayout(
      QPageLayout(QPageSize(points, QPageSize::Point, {}, QPageSize::ExactMatch), QPageLayout::Portrait, {}));
  QCPPainter painter;
  if (!painter.begin(&pdf)) NotDrawn();
  painter.setMode(QCPPainter::pmVectorized);
  DrawChart(painter, chart);
  painter.end();
  return bytes;
}

// The action's text without its ellipsis: the dialog's title.
QString TitleOf(const char* entry) {
  QString title = QString::fromUtf8(entry);
  if (title.endsWith(u'…')) title.chop(1);
  return title;
}

// The entries of a chart's menu, in order: the action's objectName, its text (a field of
// ExportTexts, in the five languages) and what it does with the chart once the menu has closed.
// A new entry is one more row here.
struct MenuEntry {
  const char* objectName;
  const char* ExportTexts::*text;
  void (*run)(QCustomPlot* chart);
};

const MenuEntry kMenuEntries[] = {
    {"SaveChartImage", &ExportTexts::save,
     [](QCustomPlot* chart) { SaveChartImageInteractively(chart, 1.0); }},
    {"SaveChartImageLarge", &ExportTexts::saveLarge,
     [](QCustomPlot* chart) { SaveChartImageInteractively(chart, kLargeScale); }},
};

void ShowMenu(QCustomPlot* chart, QPoint globalPos) {
  auto* menu = new QMenu(chart);
  menu->setObjectName("ChartImageMenu");
  menu->setAttribute(Qt::WA_DeleteOnClose);
  for (const MenuEntry& entry : kMenuEntries) {
    QAction* action = menu->addAction(QString::fromUtf8(Texts().*entry.text));
    action->setObjectName(entry.objectName);
    // Queued: the menu has closed and released the mouse before a dialog opens.
    QObject::connect(
        action, &QAction::triggered, chart, [chart, run = entry.run] { run(chart); }, Qt::QueuedConnection);
  }
  AddChartDataEntries(menu, chart);
  menu->popup(globalPos);
}

// Opens the menu on the context-menu request of the mouse or the keyboard (menu key, Shift+F10).
class ImageMenuOpener final : public QObject {
 public:
  ImageMenuOpener(QCustomPlot* chart, std::function<bool()> pointClicksTaken)
      : QObject(chart), chart_(chart), pointClicksTaken_(std::move(pointClicksTaken)) {
    chart->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::ContextMenu) {
      const auto* request = static_cast<QContextMenuEvent*>(event);
      if (request->reason() == QContextMenuEvent::Mouse && pointClicksTaken_ && pointClicksTaken_() &&
          chart_->plottableAt(request->pos()))
        return false;  // the screen's own right-click on a point
      ShowMenu(chart_, request->reason() == QContextMenuEvent::Mouse
                           ? request->globalPos()
                           : chart_->mapToGlobal(chart_->rect().center()));
      return true;
    }
    if (event->type() == QEvent::KeyPress) {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier) {
        ShowMenu(chart_, chart_->mapToGlobal(chart_->rect().center()));
        return true;
      }
    }
    return false;
  }

 private:
  QCustomPlot* chart_;
  std::function<bool()> pointClicksTaken_;
};

}  // namespace

ImageFileChooser& ImageFiles() {
  static DialogImageFiles dialog;
  return gChooser ? *gChooser : dialog;
}

void SetImageFileChooser(ImageFileChooser* chooser) {
  gChooser = chooser;
}

void InstallChartImageExport(QCustomPlot* chart, std::function<bool()> pointClicksTaken) {
  // Reachable with Tab (a click does not take the focus from the boxes), so that the keyboard
  // can open the menu too.
  chart->setFocusPolicy(Qt::TabFocus);
  new ImageMenuOpener(chart, std::move(pointClicksTaken));
}

void SaveChartImage(QCustomPlot* chart, const QString& path, double scale) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  const QByteArray bytes = suffix == u"svg"   ? SvgBytes(chart, scale)
                           : suffix == u"pdf" ? PdfBytes(chart)
                                              : PngBytes(chart, scale);
  try {
    kernel::ReplaceFile(QFile::encodeName(path).toStdString(),
                        std::string_view(bytes.constData(), bytes.size()));
  } catch (const kernel::IoError& e) {
    CannotWrite(path, QString::fromStdString(e.reason()));
  }
}

void SaveChartImageInteractively(QCustomPlot* chart, double scale) {
  QWidget* screen = chart->window();
  const QString proposed =
      QDir::current().filePath(screen->objectName() + '_' + chart->objectName() + QStringLiteral(".png"));
  const char* entry = scale > 1 ? Texts().saveLarge : Texts().save;
  const QString path = ImageFiles().chooseImageFile(screen, TitleOf(entry), proposed, kFilters);
  if (path.isEmpty()) return;
  try {
    SaveChartImage(chart, path, scale);
  } catch (const kernel::Error& e) {
    Messages().error(screen, QString::fromStdString(e.what()));
  }
}

}  // namespace noyalis::platform
