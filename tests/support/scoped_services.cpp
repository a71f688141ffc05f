#include "support/scoped_services.h"

namespace noyalis::test {

ScopedServices::ScopedServices() {
  platform::SetMessageService(&messages);
  platform::SetPrintService(&printing);
  platform::SetAudioService(&audio);
  platform::SetClockService(&clock);
}

ScopedServices::~ScopedServices() {
  platform::SetMessageService(nullptr);
  platform::SetPrintService(nullptr);
  platform::SetAudioService(nullptr);
  platform::SetClockService(nullptr);
}

}  // namespace noyalis::test
