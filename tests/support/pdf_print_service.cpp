#include "support/pdf_print_service.h"

#include <QPrinter>

namespace noyalis::test {

bool PdfPrintService::choosePrinter(QPrinter& printer, QWidget*) {
  ++dialogs_;
  if (cancel_) return false;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dialogPath_);
  return true;
}

bool PdfPrintService::defaultPrinter(QPrinter& printer) {
  if (defaultPath_.isEmpty()) return false;
  ++defaultJobs_;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(defaultPath_);
  return true;
}

}  // namespace noyalis::test
