#include "kernel/wave_image.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "kernel/error.h"

namespace noyalis::kernel {
namespace {

const long double kTwoPi = 8 * std::atan(1.0L);

std::uint32_t ReadLittleEndian(const std::vector<std::uint8_t>& image, std::size_t offset, int bytes) {
  std::uint32_t v = 0;
  for (int k = bytes - 1; k >= 0; --k) v = (v << 8) | image.at(offset + static_cast<std::size_t>(k));
  return v;
}

std::string ReadText(const std::vector<std::uint8_t>& image, std::size_t offset) {
  return {reinterpret_cast<const char*>(image.data()) + offset, 4};
}

TEST(WaveImageTest, HeaderOfTheEndOfRunTone) {
  const std::vector<std::uint8_t> image = WaveImage(440, 100, 100, kTwoPi);
  ASSERT_EQ(image.size(), 1148u);
  struct Field {
    std::size_t offset;
    int bytes;
    std::uint32_t value;
  };
  constexpr Field kFields[] = {{4, 4, 38 + 1102}, {16, 4, 18}, {20, 2, 1}, {22, 2, 1}, {24, 4, 11025},
                               {28, 4, 11025},    {32, 2, 1},  {34, 2, 8}, {36, 2, 0}, {42, 4, 1102}};
  for (const Field& f : kFields) EXPECT_EQ(ReadLittleEndian(image, f.offset, f.bytes), f.value) << f.offset;
  EXPECT_EQ(ReadText(image, 0), "RIFF");
  EXPECT_EQ(ReadText(image, 8), "WAVE");
  EXPECT_EQ(ReadText(image, 12), "fmt ");
  EXPECT_EQ(ReadText(image, 38), "data");
}

TEST(WaveImageTest, SamplesOfTheEndOfRunTone) {
  const std::vector<std::uint8_t> image = WaveImage(440, 100, 100, kTwoPi);
  ASSERT_EQ(image.size(), 1148u);
  EXPECT_EQ(image[46], 127);
  EXPECT_EQ(image[47], 151);  // 127 + truncate(100 × sin(2π × 440 / 11 025))
  // Every sample is 127 + the truncated sine, so it stays within 127 ± 100.
  for (std::size_t i = 46; i < image.size(); ++i) {
    EXPECT_GE(image[i], 27);
    EXPECT_LE(image[i], 227);
  }
}

TEST(WaveImageTest, CounterClick) {
  const long double populationTwoPi = 6.283185307179586L;
  const std::vector<std::uint8_t> image = WaveImage(1000, 20, 50, populationTwoPi);
  ASSERT_EQ(image.size(), kWaveHeaderSize + 220u);
  std::uint8_t lowest = 255, highest = 0;
  for (std::size_t i = kWaveHeaderSize; i < image.size(); ++i) {
    lowest = std::min(lowest, image[i]);
    highest = std::max(highest, image[i]);
  }
  EXPECT_GE(lowest, 78);
  EXPECT_LE(highest, 176);
  // 1000 Hz at 11 025 samples/s comes back near both peaks within 220 samples.
  EXPECT_LE(lowest, 80);
  EXPECT_GE(highest, 174);
}

TEST(WaveImageTest, ZeroDurationIsHeaderOnly) {
  const std::vector<std::uint8_t> image = WaveImage(440, 0, 100, kTwoPi);
  ASSERT_EQ(image.size(), 46u);
  EXPECT_EQ(ReadLittleEndian(image, 4, 4), 38u);
  EXPECT_EQ(ReadLittleEndian(image, 42, 4), 0u);
}

TEST(WaveImageTest, VolumeUsesItsLowByte) {
  // 300 = 256 + 44: the tone of volume 300 is the tone of volume 44.
  EXPECT_EQ(WaveImage(440, 100, 300, kTwoPi), WaveImage(440, 100, 44, kTwoPi));
  const std::vector<std::uint8_t> image = WaveImage(440, 100, 300, kTwoPi);
  EXPECT_EQ(image[47], 127 + static_cast<int>(std::truncl(44 * std::sin(kTwoPi * 440 / 11025))));
}

TEST(WaveImageTest, SampleOutsideAByteRaisesRangeError) {
  // Volume 200: the negative half of the sine goes below 0.
  EXPECT_THROW(WaveImage(440, 100, 200, kTwoPi), RangeError);
  EXPECT_THROW(WaveImage(440, -5, 100, kTwoPi), RangeError);
}

TEST(ToneTooHighMessageTest, Frequencies) {
  EXPECT_EQ(ToneTooHighMessage(7000),
            "Un taux d'échantillonage de 11025 est trop bas pour jouer une tonalité de 7000Hz");
  EXPECT_EQ(ToneTooHighMessage(6616),
            "Un taux d'échantillonage de 11025 est trop bas pour jouer une tonalité de 6616Hz");
  EXPECT_FALSE(ToneTooHighMessage(6615).has_value());
  EXPECT_FALSE(ToneTooHighMessage(440).has_value());
  EXPECT_FALSE(ToneTooHighMessage(1000).has_value());
}

}  // namespace
}  // namespace noyalis::kernel
