#include "platform/sound.h"

#include <QApplication>

#include "kernel/wave_image.h"
#include "platform/services.h"

namespace noyalis::platform {

void MakeSound(std::int32_t frequency, std::int32_t durationMs, std::int32_t volume, long double twoPi) {
  if (const std::optional<std::string> message = kernel::ToneTooHighMessage(frequency)) {
    Messages().information(QApplication::activeWindow(), QString::fromStdString(*message));
    return;
  }
  Audio().playSync(kernel::WaveImage(frequency, durationMs, volume, twoPi));
}

}  // namespace noyalis::platform
