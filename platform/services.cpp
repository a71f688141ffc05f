#include "platform/services.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMediaDevices>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstring>

#include "kernel/error.h"
#include "kernel/wave_image.h"
#include "platform/playback_wait.h"
#include "platform/print_queue.h"
#include "platform/sound_server_probe.h"

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

namespace {

class BoxMessages final : public MessageService {
 public:
  void information(QWidget* parent, const QString& text) override {
    QMessageBox::information(parent, QGuiApplication::applicationDisplayName(), text);
  }
  void error(QWidget* parent, const QString& text) override {
    QMessageBox::critical(parent, QGuiApplication::applicationDisplayName(), text);
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

// A tone handed to the sound server. Stopping its sink drops what the server still holds (an
// output of high latency holds more than a second), so a played tone's sink is kept open a few
// seconds more before it is stopped; tones in quick succession each keep their own.
class TonePlayback final : public QObject {
 public:
  TonePlayback(const QByteArray& samples, const QAudioDevice& device, const QAudioFormat& format)
      : QObject(QCoreApplication::instance()), samples_(samples), source_(&samples_), sink_(device, format) {
    source_.open(QIODevice::ReadOnly);
  }
  ~TonePlayback() override { sink_.stop(); }

  QBuffer& source() { return source_; }
  QAudioSink& sink() { return sink_; }

 private:
  QByteArray samples_;
  QBuffer source_;
  QAudioSink sink_;
};

class SinkAudio final : public AudioService {
 public:
  void playSync(const std::vector<std::uint8_t>& waveImage) override {
    CheckWaveHeader(waveImage);
    if (!SoundServerUsable()) return;  // a server that never answers: silent, at once
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return;
    QAudioFormat format;
    format.setSampleRate(kernel::kSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::UInt8);
    if (!device.isFormatSupported(format)) return;

    const QByteArray samples(reinterpret_cast<const char*>(waveImage.data()) + kernel::kWaveHeaderSize,
                             static_cast<qsizetype>(waveImage.size()) - kernel::kWaveHeaderSize);
    auto* tone = new TonePlayback(samples, device, format);
    const int durationMs = static_cast<int>(samples.size() * 1000 / kernel::kSampleRate);
    QAudioSink& sink = tone->sink();
    sink.start(&tone->source());
    if (sink.error() != QAudio::NoError) return;
    // Synchronous: until every sample was taken and the output's played time has reached the
    // tone's duration; a stalled server is given up after a few seconds.
    WaitForPlayback(
        {[tone] { return tone->source().bytesAvailable(); }, [&sink] { return sink.processedUSecs(); },
         [&sink] { return sink.state() == QAudio::StoppedState || sink.error() != QAudio::NoError; }},
        durationMs, durationMs + kStalledSinkMs);
    QTimer::singleShot(kLingerMs, tone, &QObject::deleteLater);
  }

 private:
  static constexpr int kStalledSinkMs = 3000;
  static constexpr int kLingerMs = 5000;  // more than any output's latency
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
