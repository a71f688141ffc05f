#pragma once
// Installs the four test services for the life of one object (one test), then puts the real
// services back, so that no test shows a box, opens a dialog, plays a sound or really sleeps.
#include "support/capturing_audio.h"
#include "support/pdf_print_service.h"
#include "support/recording_messages.h"
#include "support/test_clock.h"

namespace noyalis::test {

class ScopedServices {
 public:
  ScopedServices();
  ~ScopedServices();
  ScopedServices(const ScopedServices&) = delete;
  ScopedServices& operator=(const ScopedServices&) = delete;

  RecordingMessages messages;
  PdfPrintService printing;
  CapturingAudio audio;
  TestClock clock;
};

}  // namespace noyalis::test
