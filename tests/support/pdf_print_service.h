#pragma once
// A print service for tests: the "dialog" picks a PDF file instead of a printer (or is cancelled),
// and the default printer is a PDF file too (or missing).
#include <QString>

#include "platform/services.h"

namespace noyalis::test {

class PdfPrintService final : public platform::PrintService {
 public:
  bool choosePrinter(QPrinter& printer, QWidget* parent) override;
  bool defaultPrinter(QPrinter& printer) override;

  // Where the dialog's jobs go; the dialog is cancelled while cancel is set.
  void setDialogOutput(const QString& pdfPath) { dialogPath_ = pdfPath; }
  void setCancel(bool cancel) { cancel_ = cancel; }
  // Where jobs without a dialog go; an empty path means that no printer is installed.
  void setDefaultOutput(const QString& pdfPath) { defaultPath_ = pdfPath; }

  int dialogsShown() const { return dialogs_; }
  int defaultJobs() const { return defaultJobs_; }

 private:
  QString dialogPath_;
  QString defaultPath_;
  bool cancel_ = false;
  int dialogs_ = 0;
  int defaultJobs_ = 0;
};

}  // namespace noyalis::test
