#include "experiments/dice/dice_texts.h"

namespace noyalis::dice {

namespace {

using enum platform::TextProperty;

// clang-format off
// What a screen reader announces where no caption says it, in every language.
constexpr platform::TextEntry kNames[] = {
  {"StringGrid1", Name, "Tableau des jets : dés restants après chaque jet"},
};

// Only French has a table of texts; every other language keeps the screen's own texts, which are
// French too and differ from the table in a few capitals, a space and the second chart's title
// and hint.
constexpr platform::TextEntry kFrenchTexts[] = {
  {"Tform100", Caption, "Décroissance exponentielle"},
  {"Label38", Caption, "Calcul en cours"},
  {"Label1", Caption, "Nb de dés"},
  {"Label2", Caption, "Nb de jets"},
  {"Label24", Caption, "Régression linéaire y = a x + b"},
  {"Label29", Caption, "Graine"},
  {"Label37", Caption, "Nb de dés utilisés"},
  {"Label36", Caption, "Moyenne des tirs"},
  {"BitBtn1", Caption, "Tout"},
  {"Label9", Caption, "Coeff. de corrélation = "},
  {"SpinEdit1", Hint, "2 à 1 000 000"},
  {"SpinEdit3", Hint, "2 à 500"},
  {"Chart1", Hint, "Sélectionnez avec la souris une portion du graphe pour zoomer"},
  {"Chart1", ChartTitleLine1, "Nb de dés restants après le n ième tirage"},
  {"Chart2", ChartTitleLine1, "Ln(Nb) de dés restants après le n ième tirage"},
  {"Chart2", Hint, "Sélectionnez avec la souris une portion du graphe pour zoomer"},
};
// clang-format on

constexpr auto FR = platform::Joined(kFrenchTexts, kNames);

}  // namespace

const platform::ScreenTexts kTexts{FR, kNames, kNames, kNames, kNames};

}  // namespace noyalis::dice
