#include "platform/language.h"

namespace noyalis::platform {

namespace {
QString& CurrentCode() {
  static QString code = QStringLiteral("FR");
  return code;
}
}  // namespace

QString LanguageCode() {
  return CurrentCode();
}
void SetLanguageCode(const QString& code) {
  CurrentCode() = code;
}

}  // namespace noyalis::platform
