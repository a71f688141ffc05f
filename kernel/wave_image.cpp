#include "kernel/wave_image.h"

#include <cmath>

#include "kernel/checked.h"
#include "kernel/error.h"

namespace noyalis::kernel {

namespace {

constexpr std::int32_t kHighestTone = 6615;  // 0.6 × the sample rate [Hz]
constexpr std::int32_t kSilence = 127;

void AppendText(std::vector<std::uint8_t>& image, const char (&text)[5]) {
  image.insert(image.end(), text, text + 4);
}

void AppendLittleEndian(std::vector<std::uint8_t>& image, std::uint32_t v, int bytes) {
  for (int k = 0; k < bytes; ++k) image.push_back(static_cast<std::uint8_t>(v >> (8 * k)));
}

}  // namespace

std::optional<std::string> ToneTooHighMessage(std::int32_t frequency) {
  if (frequency <= kHighestTone) return std::nullopt;
  return "Un taux d'échantillonage de " + std::to_string(kSampleRate) +
         " est trop bas pour jouer une tonalité de " + std::to_string(frequency) + "Hz";
}

std::vector<std::uint8_t> WaveImage(std::int32_t frequency, std::int32_t durationMs, std::int32_t volume,
                                    long double twoPi) {
  const std::int32_t samples = checkedMul(durationMs, kSampleRate) / 1000;
  if (samples < 0) throw RangeError("Range check error: negative tone duration");
  const auto size = static_cast<std::uint32_t>(samples);
  const long double amplitude = static_cast<long double>(volume & 0xFF);

  std::vector<std::uint8_t> image;
  image.reserve(kWaveHeaderSize + size);
  AppendText(image, "RIFF");
  AppendLittleEndian(image, 38 + size, 4);  // size of the rest of the image
  AppendText(image, "WAVE");
  AppendText(image, "fmt ");
  AppendLittleEndian(image, 18, 4);           // format block size
  AppendLittleEndian(image, 1, 2);            // PCM
  AppendLittleEndian(image, 1, 2);            // channels
  AppendLittleEndian(image, kSampleRate, 4);  // samples per second
  AppendLittleEndian(image, kSampleRate, 4);  // bytes per second
  AppendLittleEndian(image, 1, 2);            // block size
  AppendLittleEndian(image, 8, 2);            // bits per sample
  AppendLittleEndian(image, 0, 2);            // extra format bytes
  AppendText(image, "data");
  AppendLittleEndian(image, size, 4);

  for (std::int32_t i = 0; i < samples; ++i) {
    const long double phase = static_cast<long double>(i) * twoPi * frequency / kSampleRate;
    const long double sample = kSilence + std::truncl(amplitude * std::sin(phase));
    if (sample < 0 || sample > 255)
      throw RangeError("Range check error: sample " + std::to_string(static_cast<long long>(sample)) +
                       " outside 0..255");
    image.push_back(static_cast<std::uint8_t>(sample));
  }
  return image;
}

}  // namespace noyalis::kernel
