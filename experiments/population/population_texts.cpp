#include "experiments/population/population_texts.h"

namespace noyalis::population {

namespace {

using enum platform::TextProperty;

// clang-format off
constexpr platform::TextEntry FR[] = {
  {"TForm8", Caption, "Population de noyaux radioactifs"},
  {"Label12", Caption, "Radioactivité : Désintégrations"},
  {"Chart1", ChartTitleLine1, "Position des noyaux radioactifs"},
  {"Chart1", Hint, "Au départ tous les noyaux rouge sont radioactifs, aprés désintégration, ils sont verts"},
  {"Chart2", ChartTitleLine1, "Nombre de noyaux radioactifs en fonction du temps"},
  {"Chart3", ChartTitleLine1, "Nombre de noyaux radioactifs en fonction du temps"},
  {"Taille", Caption, "Taille du réseau"},
  {"Label3", Caption, "Durée totale"},
  {"RadioGroup2", Caption, "Son"},
  {"RadioGroup2", Items, "oui\nnon"},
  {"RadioGroup1", Caption, "Tracé"},
  {"RadioGroup1", Items, "Linéaire\nSemi-log"},
  {"BitBtn1", Hint, "Départ de la simulation, (ESC pour arret,Pause pour pause)"},
};

constexpr platform::TextEntry UK[] = {
  {"TForm8", Caption, "Population de noyaux radioactifs"},
  {"Label12", Caption, "Radioactivity : Decays"},
  {"Chart1", ChartTitleLine1, "Position of radioactive nuclei "},
  {"Chart1", Hint, "All red nuclei are radioactive, after decay they are green"},
  {"Chart2", ChartTitleLine1, "Nb of radioactive nuclei vs time"},
  {"Chart3", ChartTitleLine1, "Nb of radioactive nuclei vs time"},
  {"Taille", Caption, "Taille du réseau"},
  {"Label3", Caption, "Total time"},
  {"RadioGroup2", Caption, "Sound"},
  {"RadioGroup2", Items, "yes\nno"},
  {"RadioGroup1", Caption, "Plot"},
  {"RadioGroup1", Items, "Linear\nSemi-log"},
  {"BitBtn1", Hint, "Départ de la simulation, (ESC pour arret, Pause pour pause)"},
};
// clang-format on

// Italian, Spanish and German keep the French layout texts.
constexpr platform::TextTable kFrenchLayout{};

}  // namespace

const platform::ScreenTexts kTexts{FR, UK, kFrenchLayout, kFrenchLayout, kFrenchLayout};

QString UnitHeader(const QString&) {
  return QString::fromUtf8("Unité de temps");
}

QStringList UnitNames(const QString& languageCode) {
  const QStringList french = {QString::fromUtf8("année"),
                              "seconde",
                              "minute",
                              "heure",
                              "jour",
                              QString::fromUtf8("siècle"),
                              QString::fromUtf8("millénaire"),
                              QString::fromUtf8("10 millénaires"),
                              QString::fromUtf8("millions d'années"),
                              QString::fromUtf8("milliards d'années")};
  if (languageCode != "UK") return french;
  QStringList english = french;
  const char* first[] = {"year", "second", "minute", "hour", "day"};
  for (int k = 0; k < 5; ++k) english[k] = first[k];
  return english;
}

QStringList AtomHeaders(const QString& languageCode) {
  if (languageCode == "UK") return {"Atom", "Mass", "Lambda 1/s"};
  return {"Atome", "Masse", "Lambda 1/s"};
}

}  // namespace noyalis::population
