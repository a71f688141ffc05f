#include "experiments/class_results/class_file_chooser.h"

#include <QFileDialog>

namespace noyalis::class_results {

namespace {

class DialogClassFiles final : public ClassFileChooser {
 public:
  QStringList chooseFolder(QWidget* parent, const QString& title, const QString& startDir) override {
    // The files are shown too (greyed): the teacher sees that it is the class's folder.
    const QString folder = QFileDialog::getExistingDirectory(parent, title, startDir, QFileDialog::Options());
    return folder.isEmpty() ? QStringList() : QStringList{folder};
  }
  QStringList chooseFiles(QWidget* parent, const QString& title, const QString& startDir) override {
    return QFileDialog::getOpenFileNames(parent, title, startDir);
  }
};

ClassFileChooser* gChooser = nullptr;

}  // namespace

ClassFileChooser& ClassFiles() {
  static DialogClassFiles dialogs;
  return gChooser ? *gChooser : dialogs;
}

void SetClassFileChooser(ClassFileChooser* chooser) {
  gChooser = chooser;
}

}  // namespace noyalis::class_results
