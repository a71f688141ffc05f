#include "platform/chart_image_export.h"

#include <qcustomplot.h>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageWriter>
#include <QKeyEvent>
#include <QMenu>
#include <QSvgGenerator>
#include <array>

#include "kernel/error.h"
#include "platform/chart_data_export.h"
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
  const QString code = LanguageCode();
  for (const auto& [language, texts] : kTexts)
    if (code == QLatin1String(language)) return texts;
  return kTexts[0].second;  // French for any other code
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

// The action's text without its ellipsis: the dialog's title.
QString TitleOf(const char* entry) {
  QString title = QString::fromUtf8(entry);
  if (title.endsWith(u'…')) title.chop(1);
  return title;
}

void ShowMenu(QCustomPlot* chart, QPoint globalPos) {
  auto* menu = new QMenu(chart);
  menu->setObjectName("ChartImageMenu");
  menu->setAttribute(Qt::WA_DeleteOnClose);
  QAction* save = menu->addAction(QString::fromUtf8(Texts().save));
  save->setObjectName("SaveChartImage");
  QAction* large = menu->addAction(QString::fromUtf8(Texts().saveLarge));
  large->setObjectName("SaveChartImageLarge");
  // Queued: the menu has closed and released the mouse before the file dialog opens.
  QObject::connect(
      save, &QAction::triggered, chart, [chart] { SaveChartImageInteractively(chart, 1.0); },
      Qt::QueuedConnection);
  QObject::connect(
      large, &QAction::triggered, chart, [chart] { SaveChartImageInteractively(chart, kLargeScale); },
      Qt::QueuedConnection);
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
  const int width = chart->width(), height = chart->height();
  // Opening the file first gives the system's own reason when it cannot be written.
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) CannotWrite(path, file.errorString());
  bool written = true;
  QString reason;
  if (suffix == u"svg") {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(QSize(qRound(width * scale), qRound(height * scale)));
    svg.setViewBox(QRect(0, 0, width, height));
    QCPPainter painter;
    written = painter.begin(&svg);
    if (written) {
      chart->toPainter(&painter, width, height);
      painter.end();
    }
    written = written && file.flush() && file.error() == QFileDevice::NoError;
    reason = file.errorString();
  } else if (suffix == u"pdf") {
    // A PDF is drawn in vectors: it prints sharp at any size.
    file.close();
    written = chart->savePdf(path, width, height);
  } else {
    QImageWriter writer(&file, "png");
    written = writer.write(chart->toPixmap(width, height, scale).toImage());
    reason = writer.errorString();
  }
  if (!written) {
    file.close();
    file.remove();
    CannotWrite(path, reason.isEmpty() ? file.errorString() : reason);
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
