// What a run uses from the platform: the event pump and its pacing sleep, the counter's tone, and
// the installation of the services themselves.
#include <QTimer>
#include <QtTest>
#include <cmath>

#include "kernel/error.h"
#include "kernel/wave_image.h"
#include "platform/event_pump.h"
#include "platform/services.h"
#include "platform/sound.h"
#include "support/isolated_suite.h"

using namespace noyalis;

namespace {

// Counts the passes of the event loop: a zero timer fires at the next pass.
class PassCounter : public QObject {
 public:
  void arm() {
    QTimer::singleShot(0, this, [this] { ++passes; });
  }
  int passes = 0;
};

const long double kTwoPi = 8 * std::atan(1.0L);

}  // namespace

class RunServicesTest : public test::IsolatedSuite {
  Q_OBJECT

 private slots:
  void sleepIsSlicedThroughTheClockService_data();
  void sleepIsSlicedThroughTheClockService();
  void sleepReturnsEarlyOnceAStopIsRequested();
  void itemYieldsPumpOnlyEvery64CallsAnd10Ms();
  void stageYieldsAlwaysPump();

  void toneIsPlayedAsItsWaveImage_data();
  void toneIsPlayedAsItsWaveImage();
  void toneTooHighShowsTheMessageAndPlaysNothing_data();
  void toneTooHighShowsTheMessageAndPlaysNothing();
  void sampleOutOfRangeAbandonsTheCaller();

  void servicesAreRestoredAfterATest();
  void realAudioChecksTheImageAndReturnsWithoutADevice();
  void realClockSleeps();
};

void RunServicesTest::sleepIsSlicedThroughTheClockService_data() {
  QTest::addColumn<int>("ms");
  QTest::addColumn<QList<int>>("slices");
  QTest::newRow("25 ms") << 25 << QList<int>{10, 10, 5};
  QTest::newRow("exactly one slice") << 10 << QList<int>{10};
  QTest::newRow("short") << 3 << QList<int>{3};
  QTest::newRow("zero") << 0 << QList<int>{};
  QTest::newRow("negative") << -5 << QList<int>{};
}

void RunServicesTest::sleepIsSlicedThroughTheClockService() {
  QFETCH(int, ms);
  QFETCH(QList<int>, slices);
  platform::EventPump pump;
  PassCounter loop;
  loop.arm();
  pump.sleepMs(ms);
  QCOMPARE(QList<int>(services->clock.sleeps.begin(), services->clock.sleeps.end()), slices);
  QCOMPARE(services->clock.sleptMs(), std::int64_t{std::max(ms, 0)});
  QCOMPARE(loop.passes, slices.isEmpty() ? 0 : 1);  // the loop ran between slices
}

void RunServicesTest::sleepReturnsEarlyOnceAStopIsRequested() {
  platform::EventPump pump;
  // The stop key pressed during the first slice is seen at the pump that follows it.
  QObject context;
  QTimer::singleShot(0, &context, [&pump] { pump.requestStop(); });
  pump.sleepMs(1000);
  QCOMPARE(QList<int>(services->clock.sleeps.begin(), services->clock.sleeps.end()), QList<int>{10});
  QVERIFY(pump.stopRequested());

  services->clock.sleeps.clear();
  pump.sleepMs(50);  // already stopped: no sleep at all
  QVERIFY(services->clock.sleeps.empty());

  pump.reset();
  QVERIFY(!pump.stopRequested());
  pump.sleepMs(20);
  QCOMPARE(services->clock.sleptMs(), std::int64_t{20});
}

void RunServicesTest::itemYieldsPumpOnlyEvery64CallsAnd10Ms() {
  platform::EventPump pump;
  pump.yieldStage();  // starts the 10 ms interval
  PassCounter loop;
  loop.arm();
  services->clock.advance(100);
  for (int i = 0; i < 63; ++i) pump.yieldItem();
  QCOMPARE(loop.passes, 0);  // the clock is not even read before the 64th call
  pump.yieldItem();
  QCOMPARE(loop.passes, 1);

  loop.arm();
  services->clock.advance(9);
  for (int i = 0; i < 64; ++i) pump.yieldItem();
  QCOMPARE(loop.passes, 1);  // 9 ms since the last pump
  services->clock.advance(1);
  for (int i = 0; i < 63; ++i) pump.yieldItem();
  QCOMPARE(loop.passes, 1);
  pump.yieldItem();
  QCOMPARE(loop.passes, 2);
}

void RunServicesTest::stageYieldsAlwaysPump() {
  platform::EventPump pump;
  PassCounter loop;
  for (int i = 1; i <= 3; ++i) {
    loop.arm();
    pump.yieldStage();
    QCOMPARE(loop.passes, i);
  }
  platform::PumpEvents();
  loop.arm();
  platform::PumpEvents();
  QCOMPARE(loop.passes, 4);
}

void RunServicesTest::toneIsPlayedAsItsWaveImage_data() {
  QTest::addColumn<int>("frequency");
  QTest::addColumn<int>("durationMs");
  QTest::addColumn<int>("volume");
  QTest::addColumn<int>("samples");
  QTest::addColumn<int>("lowest");
  QTest::addColumn<int>("highest");
  // The end-of-run tone and the population screen's click; the highest playable tone.
  QTest::newRow("440 Hz, 100 ms, volume 100") << 440 << 100 << 100 << 1102 << 27 << 227;
  QTest::newRow("1000 Hz, 20 ms, volume 50") << 1000 << 20 << 50 << 220 << 78 << 176;
  QTest::newRow("6615 Hz is still played") << 6615 << 10 << 20 << 110 << 107 << 147;
  QTest::newRow("duration 0: header only") << 440 << 0 << 100 << 0 << 127 << 127;
}

void RunServicesTest::toneIsPlayedAsItsWaveImage() {
  QFETCH(int, frequency);
  QFETCH(int, durationMs);
  QFETCH(int, volume);
  QFETCH(int, samples);
  QFETCH(int, lowest);
  QFETCH(int, highest);
  platform::MakeSound(frequency, durationMs, volume, kTwoPi);
  QVERIFY(services->messages.all().empty());
  QCOMPARE(services->audio.played.size(), std::size_t{1});
  const std::vector<std::uint8_t>& image = services->audio.played[0];
  QCOMPARE(int(image.size()), 46 + samples);
  QCOMPARE(QByteArray(reinterpret_cast<const char*>(image.data()), 4), QByteArray("RIFF"));
  if (samples == 0) return;
  QCOMPARE(int(image[46]), 127);  // sin 0
  int low = 255, high = 0;
  for (std::size_t i = 46; i < image.size(); ++i) {
    low = std::min<int>(low, image[i]);
    high = std::max<int>(high, image[i]);
  }
  QVERIFY2(low >= lowest && high <= highest, qPrintable(QString("samples from %1 to %2").arg(low).arg(high)));
}

void RunServicesTest::toneTooHighShowsTheMessageAndPlaysNothing_data() {
  QTest::addColumn<int>("frequency");
  QTest::newRow("7000 Hz") << 7000;
  QTest::newRow("6616 Hz") << 6616;
}

void RunServicesTest::toneTooHighShowsTheMessageAndPlaysNothing() {
  QFETCH(int, frequency);
  platform::MakeSound(frequency, 100, 100, kTwoPi);
  QVERIFY(services->audio.played.empty());
  QCOMPARE(
      services->messages.informations(),
      QStringList{QString("Un taux d'échantillonage de 11025 est trop bas pour jouer une tonalité de %1Hz")
                      .arg(frequency)});
  QVERIFY(services->messages.errors().isEmpty());
}

void RunServicesTest::sampleOutOfRangeAbandonsTheCaller() {
  QVERIFY_THROWS_EXCEPTION(kernel::RangeError, platform::MakeSound(440, 100, 200, kTwoPi));
  QVERIFY(services->audio.played.empty());
  QVERIFY(services->messages.all().empty());
}

void RunServicesTest::servicesAreRestoredAfterATest() {
  services.reset();  // the real services, as between two tests
  platform::MessageService* realMessages = &platform::Messages();
  platform::PrintService* realPrinting = &platform::Printing();
  platform::AudioService* realAudio = &platform::Audio();
  platform::ClockService* realClock = &platform::Clock();
  {
    test::ScopedServices installed;
    QCOMPARE(&platform::Messages(), &installed.messages);
    QCOMPARE(&platform::Printing(), &installed.printing);
    QCOMPARE(&platform::Audio(), &installed.audio);
    QCOMPARE(&platform::Clock(), &installed.clock);
  }
  QCOMPARE(&platform::Messages(), realMessages);
  QCOMPARE(&platform::Printing(), realPrinting);
  QCOMPARE(&platform::Audio(), realAudio);
  QCOMPARE(&platform::Clock(), realClock);
  QVERIFY(dynamic_cast<test::RecordingMessages*>(realMessages) == nullptr);
}

void RunServicesTest::realAudioChecksTheImageAndReturnsWithoutADevice() {
  services.reset();
  // Only the header is checked here; whether a device plays the samples is the set-up's business.
  std::vector<std::uint8_t> image = kernel::WaveImage(1000, 20, 50, kTwoPi);
  platform::Audio().playSync(image);  // plays, or returns silently without a device

  std::vector<std::uint8_t> stereo = image;
  stereo[22] = 2;
  QVERIFY_THROWS_EXCEPTION(kernel::RangeError, platform::Audio().playSync(stereo));
  std::vector<std::uint8_t> truncated(image.begin(), image.end() - 1);
  QVERIFY_THROWS_EXCEPTION(kernel::RangeError, platform::Audio().playSync(truncated));
  QVERIFY_THROWS_EXCEPTION(kernel::RangeError, platform::Audio().playSync({}));
}

void RunServicesTest::realClockSleeps() {
  services.reset();
  platform::ClockService& clock = platform::Clock();
  const std::int64_t before = clock.nowMs();
  clock.sleepMs(20);
  QVERIFY(clock.nowMs() - before >= 20);
}

QTEST_MAIN(RunServicesTest)
#include "run_services_test.moc"
