#include "platform/services.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstring>

#include "kernel/error.h"
#include "kernel/wave_image.h"
#include "platform/print_queue.h"
#include "platform/sound_output.h"

namespace noyalis::platform {

bool PrintService::acceptsJobs(const QPrinter&) {
  return true;
}
int PrintService::newestJob(const QPrinter&) {
  return 0;
}
bool PrintService::tookJob(const QPrinter&, int) {
  return true;
}
kernel::LocalDateTime ClockService::localNow() {
  return kernel::Now();
}

namespace {

class BoxMessages final : public MessageService {
 public:
  void information(QWidget* parent, const QString& text) override {
    QMessageBox::information(parent, QGuiApplication::applicationDisplayName(), text);
  }
  void error(QWidget* parent, const QString& text) override {
    QMessageBox::critical(parent, QGuiApplication::applicationDisplayName(), text);
  }
  int question(QWidget* parent, const QString& text, const QStringList& answers) override {
    QMessageBox box(QMessageBox::Question, QGuiApplication::applicationDisplayName(), text,
                    QMessageBox::NoButton, parent);
    QList<QAbstractButton*> buttons;
    for (const QString& answer : answers) buttons << box.addButton(answer, QMessageBox::AcceptRole);
    box.setDefaultButton(static_cast<QPushButton*>(buttons.front()));
    box.setEscapeButton(buttons.front());
    box.exec();
    return std::max(0, static_cast<int>(buttons.indexOf(box.clickedButton())));
  }
};

class DialogPrinting final : public PrintService {
 public:
  bool choosePrinter(QPrinter& printer, QWidget* parent) override {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
  }
  bool defaultPrinter(QPrinter& printer) override {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return false;
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setPrinterName(info.printerName());
    return printer.outputFormat() == QPrinter::NativeFormat && printer.printerName() == info.printerName();
  }
  bool acceptsJobs(const QPrinter& printer) override {
    return !IsQueue(printer) || QueueAcceptsJobs(printer.printerName());
  }
  int newestJob(const QPrinter& printer) override {
    return IsQueue(printer) ? NewestJob(printer.printerName()) : 0;
  }
  bool tookJob(const QPrinter& printer, int jobBefore) override {
    return !IsQueue(printer) || QueueTookJob(printer.printerName(), jobBefore);
  }

 private:
  static bool IsQueue(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::NativeFormat && !printer.printerName().isEmpty();
  }
};

std::uint16_t ReadU16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

std::uint32_t ReadU32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
         static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

bool HasTag(const std::vector<std::uint8_t>& b, std::size_t at, const char* tag) {
  return std::memcmp(b.data() + at, tag, 4) == 0;
}

// The sink below plays raw samples, so the image must be exactly the 46-byte header of an
// 8-bit mono PCM image at 11 025 Hz followed by its samples.
void CheckWaveHeader(const std::vector<std::uint8_t>& image) {
  const std::size_t header = kernel::kWaveHeaderSize;
  const bool ok =
      image.size() >= header && HasTag(image, 0, "RIFF") && ReadU32(image, 4) == image.size() - 8 &&
      HasTag(image, 8, "WAVE") && HasTag(image, 12, "fmt ") && ReadU32(image, 16) == 18 &&
      ReadU16(image, 20) == 1 && ReadU16(image, 22) == 1 && ReadU32(image, 24) == kernel::kSampleRate &&
      ReadU32(image, 28) == kernel::kSampleRate && ReadU16(image, 32) == 1 && ReadU16(image, 34) == 8 &&
      HasTag(image, 38, "data") && ReadU32(image, 42) == image.size() - header;
  if (!ok) throw kernel::RangeError("wave image: not an 8-bit mono 11025 Hz PCM image");
}

// Tones go to the process's one output, played on its own thread: a sound server that stalls
// can hold that thread, never the screen.
class SinkAudio final : public AudioService {
 public:
  void playSync(const std::vector<std::uint8_t>& waveImage) override {
    CheckWaveHeader(waveImage);
    if (!QCoreApplication::instance()) return;  // the application has ended: nothing plays
    ProcessSoundOutput().play(
        QByteArray(reinterpret_cast<const char*>(waveImage.data()) + kernel::kWaveHeaderSize,
                   static_cast<qsizetype>(waveImage.size()) - kernel::kWaveHeaderSize));
  }
};

class SteadyClock final : public ClockService {
 public:
  std::int64_t nowMs() override {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  }
  void sleepMs(int ms) override {
    if (ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
  }
};

BoxMessages realMessages;
DialogPrinting realPrinting;
SinkAudio realAudio;
SteadyClock realClock;

MessageService* currentMessages = &realMessages;
PrintService* currentPrinting = &realPrinting;
AudioService* currentAudio = &realAudio;
ClockService* currentClock = &realClock;

}  // namespace

MessageService& Messages() {
  return *currentMessages;
}
PrintService& Printing() {
  return *currentPrinting;
}
AudioService& Audio() {
  return *currentAudio;
}
ClockService& Clock() {
  return *currentClock;
}

void SetMessageService(MessageService* service) {
  currentMessages = service ? service : &realMessages;
}
void SetPrintService(PrintService* service) {
  currentPrinting = service ? service : &realPrinting;
}
void SetAudioService(AudioService* service) {
  currentAudio = service ? service : &realAudio;
}
void SetClockService(ClockService* service) {
  currentClock = service ? service : &realClock;
}

}  // namespace noyalis::platform
