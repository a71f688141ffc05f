#pragma once
// The process-wide interface language: "FR", "UK", "IT", "ES" or "DE". The menu sets it; every
// screen reads it when it opens.
#include <QString>

namespace noyalis::platform {

QString LanguageCode();
void SetLanguageCode(const QString& code);

}  // namespace noyalis::platform
