// The tone's way to the speaker: the one output on its audio thread, in front of a device that
// answers, one that never comes back and a sound server that never answers; the stream of tones.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <thread>

#include "kernel/wave_image.h"
#include "platform/audio_thread.h"
#include "platform/sink_back_end.h"
#include "platform/sound_output.h"
#include "platform/sound_server_probe.h"
#include "platform/tone_stream.h"
#include "support/fake_audio_device.h"
#include "support/scoped_services.h"

using namespace noyalis;
using platform::SoundOutput;
using platform::SoundServerState;
using platform::ToneRequest;

namespace {

// A Unix socket that listens; connections wait in its backlog, so nobody ever answers them.
int ListeningSocket(const QString& path) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const QByteArray bytes = QFile::encodeName(path);
  std::memcpy(address.sun_path, bytes.constData(), static_cast<std::size_t>(bytes.size()));
  if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 || ::listen(fd, 4) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

QByteArray Samples(int frequency, int durationMs) {
  const std::vector<std::uint8_t> image = kernel::WaveImage(frequency, durationMs, 50, 8 * std::atan(1.0L));
  return QByteArray(reinterpret_cast<const char*>(image.data()) + kernel::kWaveHeaderSize,
                    static_cast<qsizetype>(image.size()) - kernel::kWaveHeaderSize);
}

// The test services' clock moves kStepMs each time the event loop runs a pass: a wait that keeps
// the loop running ends on its bound, one that holds it never does. The wait looks at the clock
// every few passes, so it ends a few steps past its bound.
constexpr int kStepMs = 10;
constexpr int kBoundMs = 100 + SoundOutput::kWaitMarginMs;  // a 100 ms tone's
constexpr int kOvershootMs = 25 * kStepMs;
struct RunningClock {
  RunningClock() {
    QObject::connect(&timer, &QTimer::timeout, [this] { services.clock.advance(kStepMs); });
    timer.start(1);
  }
  std::int64_t nowMs() { return services.clock.nowMs(); }
  test::ScopedServices services;
  QTimer timer;
};

// A key press posted to a button, handled only if the event loop takes user input.
struct WaitingPress {
  WaitingPress() {
    QObject::connect(&button, &QPushButton::clicked, [this] { ++clicks; });
    button.show();
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
      QCoreApplication::postEvent(&button, new QKeyEvent(type, Qt::Key_Space, Qt::NoModifier, " "));
  }
  QPushButton button;
  int clicks = 0;
};

}  // namespace

class SoundOutputTest : public QObject {
  Q_OBJECT

 private slots:
  void probeTellsAnsweringSilentAndMissingServers();
  void streamPlacesTonesWholeAndDropsLateOnes_data();
  void streamPlacesTonesWholeAndDropsLateOnes();
  void oneOutputPlaysEveryToneWholeAndInOrder();
  void aHeldDeviceLeavesTheScreenAnsweringUntilItComesBack();
  void aSilentServerLeavesTheScreenAnswering();
  void theOutputClosesEvenWhenTheDeviceHoldsIt();
};

void SoundOutputTest::probeTellsAnsweringSilentAndMissingServers() {
  QTemporaryDir dir;
  const QString silentPath = dir.filePath("silent");
  const int silent = ListeningSocket(silentPath);
  QVERIFY(silent >= 0);
  QElapsedTimer timer;
  timer.start();
  QCOMPARE(platform::ProbeSoundServer(silentPath, 150), SoundServerState::Silent);
  QVERIFY(timer.elapsed() >= 150);
  QVERIFY2(timer.elapsed() < 1000, "the probe's wait is bounded");

  // A server that reads the request and answers, here by closing the connection.
  const QString answeringPath = dir.filePath("answering");
  const int answering = ListeningSocket(answeringPath);
  QVERIFY(answering >= 0);
  std::thread server([answering] {
    const int client = ::accept(answering, nullptr, nullptr);
    char request[64];
    (void)::read(client, request, sizeof request);
    ::close(client);
  });
  QCOMPARE(platform::ProbeSoundServer(answeringPath, 5000), SoundServerState::Answers);
  server.join();

  QCOMPARE(platform::ProbeSoundServer(dir.filePath("none"), 5000), SoundServerState::NotFound);
  QCOMPARE(platform::ProbeSoundServer(QString(), 5000), SoundServerState::NotFound);
  ::close(silent);
  ::close(answering);
}

void SoundOutputTest::streamPlacesTonesWholeAndDropsLateOnes_data() {
  QTest::addColumn<int>("lateMs");  // how far past their latest start the tones are read
  QTest::addColumn<bool>("played");
  QTest::newRow("in time: whole, 20 ms apart, played once the device is past them") << -1000 << true;
  QTest::newRow("too late: silence instead") << 1 << false;
}

void SoundOutputTest::streamPlacesTonesWholeAndDropsLateOnes() {
  QFETCH(int, lateMs);
  QFETCH(bool, played);
  const auto now = platform::ToneStream::Clock::now();
  platform::ToneStream stream;
  const QByteArray samples = Samples(440, 10);
  const qsizetype gap = 220, secondEnd = 2 * samples.size() + gap;
  std::vector<std::shared_ptr<ToneRequest>> tones;
  for (int i = 0; i < 2; ++i) {
    tones.push_back(std::make_shared<ToneRequest>(samples, now - std::chrono::milliseconds(lateMs)));
    stream.append(tones.back());
  }
  const QByteArray read = stream.read(secondEnd + 50);
  const QByteArray silence(gap, 127);
  const QByteArray expected =
      played ? samples + silence + samples + QByteArray(50, 127) : QByteArray(read.size(), 127);
  QVERIFY(read == expected);
  QCOMPARE(stream.settle(samples.size(), now), played);
  QCOMPARE(tones[0]->finished(), true);
  QCOMPARE(tones[1]->finished(), !played);
  QVERIFY(!stream.settle(secondEnd, now));
  for (const auto& tone : tones)
    QCOMPARE(tone->current(), played ? ToneRequest::State::Played : ToneRequest::State::Dropped);
}

// Tones and clicks in quick succession share one output and reach it whole, one after the other.
void SoundOutputTest::oneOutputPlaysEveryToneWholeAndInOrder() {
  test::FakeAudioDevice device;
  SoundOutput output(device.factory());
  std::vector<QByteArray> tones{Samples(440, 100)};
  for (int frequency = 1000; frequency < 1500; frequency += 100) tones.push_back(Samples(frequency, 20));
  for (const QByteArray& tone : tones) QVERIFY(output.play(tone));
  QCOMPARE(device.opens(), 1);
  const QByteArray played = device.played();
  qsizetype at = 0;
  for (const QByteArray& tone : tones) {
    at = played.indexOf(tone, at);
    QVERIFY2(at >= 0, "every tone whole, after the one before");
    at += tone.size();
  }
}

// The device never comes back from opening the output: the first tone is given up at its bound
// with the event loop taking input meanwhile, the next ones at once; when the device comes back
// its output plays the tones again.
void SoundOutputTest::aHeldDeviceLeavesTheScreenAnsweringUntilItComesBack() {
  test::FakeAudioDevice device(true);
  SoundOutput output(device.factory());
  RunningClock clock;
  WaitingPress press;
  std::int64_t before = clock.nowMs();
  QVERIFY(!output.play(Samples(440, 100)));
  const std::int64_t waited = clock.nowMs() - before;
  QVERIFY2(waited >= kBoundMs && waited <= kBoundMs + kOvershootMs, qPrintable(QString::number(waited)));
  QCOMPARE(press.clicks, 1);

  before = clock.nowMs();
  QVERIFY(!output.play(Samples(1000, 20)));
  QCOMPARE(clock.nowMs(), before);

  device.letGo();
  QTRY_VERIFY(output.play(Samples(1000, 20)));
  QCOMPARE(device.opens(), 1);
}

// A server that takes the connection and never answers is asked with a bounded wait on the audio
// thread: the audio library is never entered, and the screen goes on as with a held device.
void SoundOutputTest::aSilentServerLeavesTheScreenAnswering() {
  QTemporaryDir dir;
  const QString path = dir.filePath("native");
  const int silent = ListeningSocket(path);
  QVERIFY(silent >= 0);
  qputenv("PULSE_SERVER", ("unix:" + path).toUtf8());
  RunningClock clock;
  {
    SoundOutput output([] { return std::make_unique<platform::SinkBackEnd>(); });
    std::int64_t before = clock.nowMs();
    QVERIFY(!output.play(Samples(440, 100)));
    QVERIFY(clock.nowMs() - before <= kBoundMs + kOvershootMs);
    before = clock.nowMs();
    QVERIFY(!output.play(Samples(440, 100)));
    QCOMPARE(clock.nowMs(), before);
  }
  QTRY_COMPARE(platform::AudioThread::running(), 0);  // once its bounded question is over
  qunsetenv("PULSE_SERVER");
  ::close(silent);
}

// Closing the output (the application ends) does not wait for a device that holds its thread; the
// thread ends when the device lets it go.
void SoundOutputTest::theOutputClosesEvenWhenTheDeviceHoldsIt() {
  RunningClock clock;
  test::FakeAudioDevice device(true);
  auto output = std::make_unique<SoundOutput>(device.factory());
  QVERIFY(!output->play(Samples(440, 100)));
  output.reset();
  QCOMPARE(platform::AudioThread::running(), 1);
  device.letGo();
  QTRY_COMPARE(platform::AudioThread::running(), 0);
}

QTEST_MAIN(SoundOutputTest)
#include "sound_output_test.moc"
