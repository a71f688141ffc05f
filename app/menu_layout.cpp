#include "app/menu_layout.h"

#include "app/UnitMenu.h"
#include "experiments/absorption/UnitAbsorption.h"
#include "experiments/absorption/UnitDistance.h"
#include "experiments/absorption/UnitPLomb.h"
#include "experiments/activity/UnitActivite2.h"
#include "experiments/class_results/UnitResultatsClasse.h"
#include "experiments/counter_picture/Unitcrab.h"
#include "experiments/dice/UnitDecroissanceExponentielle.h"
#include "experiments/intervals/UnitInterval.h"
#include "experiments/population/UnitReseau.h"
#include "experiments/thickness_series/UnitAbsorption123.h"

namespace noyalis::menu {

namespace {

template <class Screen>
void Open(QWidget* menu) {
  Screen screen(menu);
  screen.exec();
}

}  // namespace

// clang-format off
const std::array<MenuEntry, 10> kEntries = {{
  {1, "Image15", "Label20", {362, 56, 145, 137}, ":/pictures/experiment_counter.svg",
   "C.R.A.B. Compteur de radioactivite créé par le C.E.A. utilisé dans les établissements scolaires",
   &TForm3::Image15Click, &Open<Tform200>},
  {2, "Image9", "Label21", {532, 48, 158, 110}, ":/pictures/experiment_activity.svg", "Activite", &TForm3::ActiviteClick,
   &Open<Tform11>},
  {3, "Image8", "Label22", {492, 168, 229, 142}, ":/pictures/experiment_population.svg",
   "Population de noyaux radioactifs", &TForm3::Activite8Click, &Open<TForm8>},
  {4, "Image11", "Label23", {495, 332, 220, 130}, ":/pictures/experiment_beta.svg", "Absorption des rayons béta",
   &TForm3::ButtonAbsClick, &Open<TForm4>},
  {5, "Image16", "Label24", {290, 324, 201, 125}, ":/pictures/experiment_series.svg", "Fluctuations des rayons gamma",
   &TForm3::Button123Click, &Open<TForm7>},
  {6, "Image12", "Label25", {68, 346, 212, 124}, ":/pictures/experiment_gamma.svg", "Absorption des rayons gamma",
   &TForm3::ButtonGammaClick, &Open<TForm5>},
  {7, "Image10", "Label26", {35, 232, 214, 114}, ":/pictures/experiment_distance.svg",
   "Influence de la distance source-compteur", &TForm3::Button2DistanceClick, &Open<TForm6>},
  {8, "Image6", "Label27", {66, 52, 272, 212}, ":/pictures/experiment_dice.svg",
   "Décroissance exponentielle, lancer de dés", &TForm3::Button13Click, &Open<Tform100>},
  {9, "Image17", "Label28", {254, 200, 225, 113}, ":/pictures/experiment_intervals.svg",
   "Intervalles de temps entre 2 désintégrations", &TForm3::Button1intervallesClick, &Open<TForm2>},
  {10, "Image18", "Label29", {372, 468, 200, 118}, ":/pictures/experiment_class.svg", "Résultats de la classe",
   &TForm3::ResultatsClasseClick, &Open<TForm10>},
}};

const std::array<Flag, 5> kFlags = {{
  {"Image3", {93, 528, 48, 32}, ":/pictures/flag_fr.svg", &TForm3::FR},
  {"Image1", {146, 529, 48, 32}, ":/pictures/flag_uk.svg", &TForm3::UK},
  {"Image5", {200, 530, 48, 32}, ":/pictures/flag_de.svg", &TForm3::AL},
  {"Image4", {251, 531, 48, 32}, ":/pictures/flag_it.svg", &TForm3::IT},
  {"Image2", {303, 531, 48, 32}, ":/pictures/flag_es.svg", &TForm3::ES},
}};

namespace texts {

using enum platform::TextProperty;

constexpr platform::TextEntry kFR[] = {
  {"TForm3", Caption, "Radioactivité, décroissance radioactive."},
  {"Label19", Caption, "Noyalis"},
  {"Button5", Caption, "Quitter"},
  {"Image9", Hint, "Activité "},
  {"Image11", Hint, "Absorption des rayons Beta "},
  {"Image12", Hint, "Absorption des rayons Gamma "},
  {"Image6", Hint, "Décroissance exponentielle "},
  {"Image17", Hint, "Intervalles de temps entre deux désintégrations "},
  {"Image16", Hint, "Absorption des rayons Beta Al=1, 2,3mm "},
  {"Image10", Hint, "Influence de la distance source-compteur "},
  {"Image15", Hint, "C.R.A.B. Compteur de radioactivite créé par le C.E.A.utilisé dans les établissements scolaires"},
  {"Image8", Hint, "Population de noyaux radioactifs"},
  {"Image18", Hint, "Résultats de la classe"},
  // The quit picture and the quit button do the same; a screen reader tells them apart.
  {"Image13", Name, "Quitter le programme"},
};

constexpr platform::TextEntry kUK[] = {
  {"TForm3", Caption, "Radioactivity,  Radioactive decay."},
  {"Label19", Caption, "Noyalis"},
  {"Button5", Caption, "End  "},
  {"Image9", Hint, "Activity "},
  {"Image11", Hint, "Absorption of  Beta rays"},
  {"Image12", Hint, "Absorption of  Gamma rays"},
  {"Image6", Hint, "Exponentielle decay"},
  {"Image17", Hint, "Time Interval between two disintegrations "},
  {"Image16", Hint, "Absorption of Beta rays for Al=1, 2,3mm "},
  {"Image10", Hint, "Influence of distance between source and counter "},
  {"Image15", Hint, "C.R.A.B. Radioactivity Counter from C.E.A. used in french school"},
  {"Image8", Hint, "Radioactive nucleis on a square lattice"},
  {"Image18", Hint, "Class results"},
  {"Image13", Name, "Quit the program"},
};
// clang-format on

const platform::TextTable FR = kFR;
const platform::TextTable UK = kUK;

}  // namespace texts

}  // namespace noyalis::menu
