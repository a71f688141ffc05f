#pragma once
// Chart images for worksheets: a right-click on a chart (or the menu key when it has the focus)
// offers "Enregistrer l'image…" in the current language, and writes the chart as PNG, SVG or
// PDF, drawn by the chart itself with the result boxes the screen lays over it, at its size or
// at twice its size.
#include <QString>
#include <QStringList>
#include <functional>

class QCustomPlot;
class QWidget;

namespace noyalis::platform {

// The file dialog of the image menu, behind a seam so that tests choose the file.
class ImageFileChooser {
 public:
  virtual ~ImageFileChooser() = default;
  // A file to write, starting from proposedPath (in the working directory), with one of the
  // filters ("PNG (*.png)" …); an empty path when the user cancels.
  virtual QString chooseImageFile(QWidget* parent, const QString& title, const QString& proposedPath,
                                  const QStringList& filters) = 0;
};

ImageFileChooser& ImageFiles();
// Replace the chooser (tests); nullptr restores the file dialog. The caller keeps ownership.
void SetImageFileChooser(ImageFileChooser* chooser);

// Adds the image menu to a chart. pointClicksTaken says whether the screen handles right-clicks
// on series points itself: a right-click on a point is then left to the screen.
void InstallChartImageExport(QCustomPlot* chart, std::function<bool()> pointClicksTaken = {});

// Writes the chart to path as PNG, SVG or PDF (by the file's suffix; PNG for any other), scale times its size
// on screen (PDF in vectors at its size). The image is drawn whole first and replaces an older file only once
// on the disk; a file that cannot be written raises kernel::IoError naming it and the system's reason, and
// leaves an older file (or link) as it was.
void SaveChartImage(QCustomPlot* chart, const QString& path, double scale);

// Chooses a file and saves the chart at scale; a failure is shown in the standard error box.
void SaveChartImageInteractively(QCustomPlot* chart, double scale);

}  // namespace noyalis::platform
