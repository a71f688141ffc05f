#pragma once
// What the print queue itself says about jobs. Qt hands a job to CUPS and reports nothing when
// the queue refuses it (a queue set to reject jobs, a job aborted at once), so the printing
// operations ask CUPS before and after the job.
#include <QString>

namespace noyalis::platform {

// Whether the queue named printerName takes jobs now. True when CUPS does not know the queue
// or cannot be reached: Qt then reports the failure itself, as before.
bool QueueAcceptsJobs(const QString& printerName);

// The id of the newest job of this user on the queue (0 when there is none or CUPS cannot be
// reached): taken before a job, it tells the job handed over after it.
int NewestJob(const QString& printerName);

// After a job was handed over: whether the queue holds a job newer than jobBefore that it has
// neither cancelled nor aborted. False when no job arrived (the queue refused it).
bool QueueTookJob(const QString& printerName, int jobBefore);

}  // namespace noyalis::platform
