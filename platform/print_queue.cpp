#include "platform/print_queue.h"

#include <cups/cups.h>

#include <QByteArray>

namespace noyalis::platform {

namespace {

// A Qt printer name may carry a CUPS instance: "queue/instance".
QByteArray QueueName(const QString& printerName) {
  return printerName.section('/', 0, 0).toUtf8();
}

struct Jobs {
  explicit Jobs(const QString& printerName)
      : count(cupsGetJobs2(CUPS_HTTP_DEFAULT, &list, QueueName(printerName).constData(), 1,
                           CUPS_WHICHJOBS_ALL)) {}
  ~Jobs() {
    if (count > 0) cupsFreeJobs(count, list);
  }
  Jobs(const Jobs&) = delete;
  Jobs& operator=(const Jobs&) = delete;

  const cups_job_t* newest() const {
    const cups_job_t* found = nullptr;
    for (int i = 0; i < count; ++i)
      if (!found || list[i].id > found->id) found = &list[i];
    return found;
  }

  cups_job_t* list = nullptr;
  int count = 0;
};

}  // namespace

bool QueueAcceptsJobs(const QString& printerName) {
  const QByteArray queue = QueueName(printerName);
  if (queue.isEmpty()) return true;
  cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.constData(), nullptr);
  if (dest == nullptr) return true;
  const char* accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
  const bool accepts = accepting == nullptr || qstrcmp(accepting, "false") != 0;
  cupsFreeDests(1, dest);
  return accepts;
}

int NewestJob(const QString& printerName) {
  const Jobs jobs(printerName);
  const cups_job_t* newest = jobs.newest();
  return newest ? newest->id : 0;
}

bool QueueTookJob(const QString& printerName, int jobBefore) {
  const Jobs jobs(printerName);
  const cups_job_t* newest = jobs.newest();
  if (newest == nullptr || newest->id <= jobBefore) return false;
  return newest->state != IPP_JSTATE_CANCELED && newest->state != IPP_JSTATE_ABORTED;
}

}  // namespace noyalis::platform
