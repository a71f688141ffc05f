// The tone's way to the speaker: the sound server probe, the wait for the played time, and a real
// audio output in front of a server that never answers.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <thread>

#include "kernel/wave_image.h"
#include "platform/playback_wait.h"
#include "platform/services.h"
#include "platform/sound_server_probe.h"

using namespace noyalis;
using platform::SoundServerState;

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

// A fake device: its bytes are taken after takenMs, and its played time runs latencyMs behind.
struct FakeDevice {
  QElapsedTimer since;
  int takenMs = 20;
  int latencyMs = 0;
  bool stalled = false;
  bool failed = false;

  platform::PlaybackProgress progress() {
    since.start();
    return {[this] { return since.elapsed() < takenMs ? std::int64_t{1102} : std::int64_t{0}; },
            [this] {
              return stalled ? std::int64_t{0}
                             : std::max<std::int64_t>(0, since.elapsed() - latencyMs) * 1000;
            },
            [this] { return failed; }};
  }
};

}  // namespace

class SoundOutputTest : public QObject {
  Q_OBJECT

 private slots:
  void probeTellsAnsweringSilentAndMissingServers();
  void waitLastsUntilTheDeviceHasPlayedTheTone_data();
  void waitLastsUntilTheDeviceHasPlayedTheTone();
  void aSilentServerMakesTheToneSilentAtOnce();
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

void SoundOutputTest::waitLastsUntilTheDeviceHasPlayedTheTone_data() {
  QTest::addColumn<int>("latencyMs");
  QTest::addColumn<bool>("stalled");
  QTest::addColumn<bool>("failed");
  QTest::addColumn<bool>("played");
  QTest::addColumn<int>("shortestMs");  // the wait lasts at least this long
  QTest::addColumn<int>("longestMs");   // and returns before this
  QTest::newRow("low latency") << 0 << false << false << true << 100 << 1000;
  QTest::newRow("high latency: heard only after it") << 400 << false << false << true << 500 << 1500;
  QTest::newRow("stalled server: given up at the bound") << 0 << true << false << false << 700 << 1500;
  QTest::newRow("device failed: at once") << 0 << false << true << false << 0 << 100;
}

void SoundOutputTest::waitLastsUntilTheDeviceHasPlayedTheTone() {
  QFETCH(int, latencyMs);
  QFETCH(bool, stalled);
  QFETCH(bool, failed);
  QFETCH(bool, played);
  QFETCH(int, shortestMs);
  QFETCH(int, longestMs);
  FakeDevice device;
  device.latencyMs = latencyMs;
  device.stalled = stalled;
  device.failed = failed;
  QElapsedTimer timer;
  timer.start();
  QCOMPARE(platform::WaitForPlayback(device.progress(), 100, 700), played);
  QVERIFY2(timer.elapsed() >= shortestMs, qPrintable(QString::number(timer.elapsed())));
  QVERIFY2(timer.elapsed() < longestMs, qPrintable(QString::number(timer.elapsed())));
}

// The first tone of the process probes the server: one that accepts the connection and never
// answers silences the tones after a bounded wait, instead of holding the screen half a minute.
void SoundOutputTest::aSilentServerMakesTheToneSilentAtOnce() {
  QTemporaryDir dir;
  const QString path = dir.filePath("native");
  const int silent = ListeningSocket(path);
  QVERIFY(silent >= 0);
  qputenv("PULSE_SERVER", ("unix:" + path).toUtf8());
  const std::vector<std::uint8_t> tone = kernel::WaveImage(440, 100, 100, 8 * std::atan(1.0L));
  QElapsedTimer timer;
  timer.start();
  platform::Audio().playSync(tone);
  const qint64 first = timer.restart();
  platform::Audio().playSync(tone);
  const qint64 second = timer.elapsed();
  ::close(silent);
  QVERIFY2(first < 4000, qPrintable(QString::number(first)));
  QVERIFY2(second < 50, qPrintable(QString::number(second)));  // asked once only
}

QTEST_MAIN(SoundOutputTest)
#include "sound_output_test.moc"
