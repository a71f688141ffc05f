#include "platform/results_file_save.h"

#include <QDir>
#include <QString>
#include <array>

#include "kernel/error.h"
#include "kernel/free_file_name.h"
#include "platform/error_boundary.h"
#include "platform/language.h"
#include "platform/services.h"

namespace noyalis::platform {

namespace {

struct SaveTexts {
  const char* taken;     // %1 the name taken, %2 the name the new file takes to keep both
  const char* keepBoth;  // the default answer
  const char* replace;
  const char* cannotWrite;  // %1 the file, %2 the system's reason
};

// French sets its quotes and colons apart with no-break spaces, so that a line never breaks there.
// clang-format off
constexpr std::array<std::pair<const char*, SaveTexts>, 5> kTexts = {{
  {"FR", {"Le fichier «\u00A0%1\u00A0» existe déjà.\n\n"
          "Garder les deux\u00A0: le nouveau s'appellera «\u00A0%2\u00A0».\n"
          "Remplacer\u00A0: l'ancien sera perdu.",
          "Garder les deux", "Remplacer",
          "Le fichier «\u00A0%1\u00A0» n'a pas pu être enregistré\u00A0: %2"}},
  {"UK", {"The file \"%1\" already exists.\n\n"
          "Keep both: the new one will be named \"%2\".\nReplace: the old one will be lost.",
          "Keep both", "Replace",
          "The file \"%1\" could not be saved: %2"}},
  {"IT", {"Il file «%1» esiste già.\n\n"
          "Conserva entrambi: il nuovo si chiamerà «%2».\nSostituisci: il vecchio andrà perso.",
          "Conserva entrambi", "Sostituisci",
          "Impossibile salvare il file «%1»: %2"}},
  {"ES", {"El archivo «%1» ya existe.\n\n"
          "Conservar ambos: el nuevo se llamará «%2».\nReemplazar: el anterior se perderá.",
          "Conservar ambos", "Reemplazar",
          "No se pudo guardar el archivo «%1»: %2"}},
  {"DE", {"Die Datei „%1“ ist bereits vorhanden.\n\n"
          "Beide behalten: die neue heißt dann „%2“.\nErsetzen: die alte geht verloren.",
          "Beide behalten", "Ersetzen",
          "Die Datei „%1“ konnte nicht gespeichert werden: %2"}},
}};
// clang-format on

constexpr int kKeepBoth = 0;  // the first answer: the default

QString Shown(const std::string& name) {
  return QDir::toNativeSeparators(QString::fromStdString(name));
}

// The name to write: name itself when it is free, else the user's choice.
std::string ChooseName(QWidget* parent, const std::string& name) {
  if (!kernel::FileNameTaken(name)) return name;
  const SaveTexts& texts = InLanguage(kTexts);
  const std::string free = kernel::FreeFileName(name);
  const int answer =
      Messages().question(parent, QString::fromUtf8(texts.taken).arg(Shown(name), Shown(free)),
                          {QString::fromUtf8(texts.keepBoth), QString::fromUtf8(texts.replace)});
  return answer == kKeepBoth ? free : name;
}

}  // namespace

std::string SaveResultsFile(QWidget* parent, const std::string& name,
                            const std::function<void(const std::string& path)>& write) {
  std::string path;
  const bool written = Guarded(parent, [&] {
    path = ChooseName(parent, name);
    try {
      write(path);
    } catch (const kernel::IoError& e) {
      const QString reason = QString::fromStdString(e.reason().empty() ? e.what() : e.reason());
      Messages().error(parent, QString::fromUtf8(InLanguage(kTexts).cannotWrite).arg(Shown(path), reason));
      path.clear();
    }
  });
  return written ? path : std::string();
}

}  // namespace noyalis::platform
