#pragma once
// The platform services a screen reaches for outside itself: message boxes, the print dialog,
// sound output, the pacing sleep and the local time. Each has a real implementation; tests install their own
// so that nothing blocks and every call can be checked.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "kernel/date_time.h"

class QWidget;
class QPrinter;

namespace noyalis::platform {

class MessageService {
 public:
  virtual ~MessageService() = default;
  // An information box with an OK button; returns when it is closed.
  virtual void information(QWidget* parent, const QString& text) = 0;
  // The application's standard error box.
  virtual void error(QWidget* parent, const QString& text) = 0;
  // A question with a button per answer; the first answer is the default (Enter) and the answer
  // to Escape. Returns the index of the answer chosen.
  virtual int question(QWidget* parent, const QString& text, const QStringList& answers) = 0;
};

class PrintService {
 public:
  virtual ~PrintService() = default;
  // The print dialog (printer choice, copies) over parent; false when the user cancels.
  virtual bool choosePrinter(QPrinter& printer, QWidget* parent) = 0;
  // Prepares the default printer for a job printed without a dialog; false when no printer is
  // installed (a QPrinter cannot be made invalid: without printers it falls back to PDF output).
  virtual bool defaultPrinter(QPrinter& printer) = 0;

  // The print queue's own word on jobs, which Qt does not pass on: whether printer takes jobs now,
  // the newest job it holds before one is handed over, and whether it took the job handed over
  // after that one (false when it refused or aborted it). A file output takes every job.
  virtual bool acceptsJobs(const QPrinter& printer);
  virtual int newestJob(const QPrinter& printer);
  virtual bool tookJob(const QPrinter& printer, int jobBefore);
};

class AudioService {
 public:
  virtual ~AudioService() = default;
  // Plays a wave image to its end before returning, the event loop running meanwhile; returns
  // after the tone's length and half a second at the latest, whatever the sound device does.
  // Without an audio device, silently nothing. An image that is not 8-bit mono 11 025 Hz PCM
  // raises kernel::RangeError.
  virtual void playSync(const std::vector<std::uint8_t>& waveImage) = 0;
};

class ClockService {
 public:
  virtual ~ClockService() = default;
  // Milliseconds of a monotonic clock.
  virtual std::int64_t nowMs() = 0;
  // Sleeps [ms] on the interface thread (the real-time run's pacing).
  virtual void sleepMs(int ms) = 0;
  // The local date and time, which names results files.
  virtual kernel::LocalDateTime localNow();
};

MessageService& Messages();
PrintService& Printing();
AudioService& Audio();
ClockService& Clock();

// Replace a service (tests); nullptr restores the real one. The caller keeps ownership.
void SetMessageService(MessageService* service);
void SetPrintService(PrintService* service);
void SetAudioService(AudioService* service);
void SetClockService(ClockService* service);

}  // namespace noyalis::platform
