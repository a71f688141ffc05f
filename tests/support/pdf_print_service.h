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
  bool acceptsJobs(const QPrinter&) override { return !refuses_; }
  bool tookJob(const QPrinter&, int) override { return !aborts_; }

  // Where the dialog's jobs go; the dialog is cancelled while cancel is set.
  void setDialogOutput(const QString& pdfPath) { dialogPath_ = pdfPath; }
  void setCancel(bool cancel) { cancel_ = cancel; }
  // Where jobs without a dialog go; an empty path means that no printer is installed.
  void setDefaultOutput(const QString& pdfPath) { defaultPath_ = pdfPath; }
  // The queue rejects every job (before it is sent), or aborts the job it was sent.
  void setQueueRefuses(bool refuses) { refuses_ = refuses; }
  void setQueueAborts(bool aborts) { aborts_ = aborts; }

  int dialogsShown() const { return dialogs_; }
  int defaultJobs() const { return defaultJobs_; }

 private:
  QString dialogPath_;
  QString defaultPath_;
  bool cancel_ = false;
  bool refuses_ = false;
  bool aborts_ = false;
  int dialogs_ = 0;
  int defaultJobs_ = 0;
};

}  // namespace noyalis::test
