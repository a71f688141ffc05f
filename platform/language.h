#pragma once
// The process-wide interface language: "FR", "UK", "IT", "ES" or "DE". The menu sets it; every
// screen reads it when it opens.
#include <QString>
#include <array>
#include <utility>

namespace noyalis::platform {

QString LanguageCode();
void SetLanguageCode(const QString& code);

// The texts of the current language in a table of (language code, texts) whose first row is
// French, the texts for any code the table does not hold.
template <class Texts, std::size_t N>
const Texts& InLanguage(const std::array<std::pair<const char*, Texts>, N>& table) {
  const QString code = LanguageCode();
  for (const auto& [language, texts] : table)
    if (code == QLatin1String(language)) return texts;
  return table.front().second;
}

}  // namespace noyalis::platform
