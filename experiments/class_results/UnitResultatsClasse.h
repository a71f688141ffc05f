#pragma once
// The class-results screen: every student's activity or interval results files, chosen as a
// folder or as files or dropped on the screen, listed in a table with a tick each, pooled into
// one histogram with its references and the honest answer to "Gauss ou Poisson ?" (or the
// exponential fit of the intervals), the test that the ticked files share one mean, the files
// left out with their reason, and the pool saved to a results file.
#include <QStringList>
#include <array>
#include <vector>

#include "experiments/class_results/class_results.h"
#include "platform/screen_base.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QCPBars;
class QCPGraph;

namespace noyalis::platform {
class Chart;
class RadioGroup;
class SpinEdit;
}  // namespace noyalis::platform

namespace noyalis::class_results {
class ClassTable;
struct ClassTableRow;
}  // namespace noyalis::class_results

class TForm10 : public noyalis::platform::ScreenBase {
  Q_OBJECT
 public:
  explicit TForm10(QWidget* parent = nullptr);

  // The language table and the words of the table and the chart, then everything drawn anew.
  void Init();
  // Reads the chosen folders and files (a folder for its files) into the list, then draws.
  void ReadFiles(const QStringList& chosen);
  // Draws the table, the test, the chart, the answer and the files left out from the model.
  void Trace();

  // The buttons: a folder, files, an empty list, Page, save, return.
  void Button1Click();
  void Button3Click();
  void Button4Click();
  void BitBtn11Click();
  void Sauve();
  void FinClick();

  const noyalis::class_results::ClassResults& results() const { return results_; }

 protected:
  bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void buildLeftColumn();
  void buildRightColumn();
  void RadioGroup1Click();
  void SpinEdit1Change();
  void showKind();
  void traceActivity();
  void traceIntervals();
  // A row of the table: a file's row of the class and its two figures.
  noyalis::class_results::ClassTableRow tableRow(const noyalis::class_results::ClassRow& row,
                                                 const QString& first, const QString& second) const;
  // The table, the test and the four figures of the pool under the chart (blank while nothing is
  // pooled).
  void traceClass(const std::vector<noyalis::class_results::ClassTableRow>& rows,
                  const noyalis::class_results::CommonMeanTest& test, bool pooled,
                  const std::array<QString, 4>& figures);
  void traceTest(const noyalis::class_results::CommonMeanTest& test);
  void traceLeftOut();

  noyalis::class_results::ClassResults results_;

  QPushButton *BitBtn2, *BitBtn7, *BitBtn11, *Button1, *Button3, *Button4;
  noyalis::platform::RadioGroup* RadioGroup1;
  noyalis::class_results::ClassTable* StringGrid1;
  QListWidget* ListBox1;
  QLabel *Label1, *Label5, *Label6, *Label7, *Label16, *Label17, *Label18;
  QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6, *Edit7, *Edit8;
  std::vector<QWidget*> activityOnly_, intervalsOnly_;
  noyalis::platform::SpinEdit* SpinEdit1;
  noyalis::platform::Chart* Chart1;
  QCPBars *Series1, *Series4;
  QCPGraph *Series2, *Series3, *Series5;
};
