#pragma once
// The dialogs that choose the class's files, behind a seam so that tests choose: a folder, or
// several files, starting in the working directory.
#include <QString>
#include <QStringList>

class QWidget;

namespace noyalis::class_results {

class ClassFileChooser {
 public:
  virtual ~ClassFileChooser() = default;
  // A folder, starting from startDir; an empty list when the user cancels.
  virtual QStringList chooseFolder(QWidget* parent, const QString& title, const QString& startDir) = 0;
  // Any number of files, starting from startDir; an empty list when the user cancels.
  virtual QStringList chooseFiles(QWidget* parent, const QString& title, const QString& startDir) = 0;
};

ClassFileChooser& ClassFiles();
// Replace the chooser (tests); nullptr restores the dialogs. The caller keeps ownership.
void SetClassFileChooser(ClassFileChooser* chooser);

}  // namespace noyalis::class_results
