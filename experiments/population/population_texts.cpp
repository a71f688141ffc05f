#include "experiments/population/population_texts.h"

namespace noyalis::population {

namespace {

using enum platform::TextProperty;

// clang-format off
// What a screen reader announces where no caption says it, in French, the screen's language but
// in English: Italian, Spanish and German keep the French layout texts.
constexpr platform::TextEntry kFrenchNames[] = {
  {"BitBtn2", Name, "Retour au menu précédent"},
  {"BitBtn1", Name, "Départ de la simulation (Échap ou Suppr : arrêt, Pause : pause)"},
  {"BitBtn7", Name, "Exporter dans un fichier texte"},
  {"Chart2", Name, "Nombre de noyaux radioactifs en fonction du temps, échelle linéaire"},
  {"Chart3", Name, "Nombre de noyaux radioactifs en fonction du temps, échelle logarithmique"},
  {"Edit3", Name, "noyaux présents, courbe linéaire"},
  {"Edit11", Name, "noyaux présents, courbe semi-log"},
  {"Edit12", Name, "isotope choisi"},
  {"Edit7", Name, "lambda de votre isotope, en 1/s"},
  {"StringGrid1", Name, "Sélectionnez un atome dans la 1ère colonne"},
  {"StringGrid2", Name, "Choisissez une unité de temps"},
  {"SpinEdit3", Name, "Taille du réseau"},
};

constexpr platform::TextEntry kFrenchTexts[] = {
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
  // What a screen reader announces where no caption says it.
  {"BitBtn2", Name, "Back to the previous menu"},
  {"BitBtn1", Name, "Start the simulation (Esc or Delete: stop, Pause: pause)"},
  {"BitBtn7", Name, "Export to a text file"},
  {"Chart2", Name, "Nb of radioactive nuclei vs time, linear scale"},
  {"Chart3", Name, "Nb of radioactive nuclei vs time, logarithmic scale"},
  {"Edit3", Name, "nuclei present, linear curve"},
  {"Edit11", Name, "nuclei present, semi-log curve"},
  {"Edit12", Name, "chosen isotope"},
  {"Edit7", Name, "lambda of your own isotope, in 1/s"},
  {"StringGrid1", Name, "Select an atom in the first column"},
  {"StringGrid2", Name, "Choose a time unit"},
  {"SpinEdit3", Name, "lattice size"},
};
// clang-format on

constexpr auto FR = platform::Joined(kFrenchTexts, kFrenchNames);

}  // namespace

const platform::ScreenTexts kTexts{FR, UK, kFrenchNames, kFrenchNames, kFrenchNames};

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
