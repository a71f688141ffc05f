#include "experiments/thickness_series/thickness_series_texts.h"

namespace noyalis::thickness_series {

namespace {

using enum platform::TextProperty;

// The title, the column headings and the run's own texts stay French in every language; the row
// labels are digits, which Italian, Spanish and German take from the French layout.
// clang-format off
constexpr platform::TextEntry FR[] = {
  {"TForm7", Caption, "Absorption Aluminium"},
  {"Nb_de_mesures", Caption, "Nb de mesures"},
  {"Label1", Caption, "Durée Comptage ms"},
  {"Label26", Caption, "Nb de séries de mesures := Nb d'étudiants"},
  {"Label4", Caption, "Durée manip réelle"},
  {"Label6", Caption, "La distance est de 3cm"},
  {"Label7", Caption, "Absorption des rayons béta par l'aluminium, fluctuations des rayons gamma"},
  {"Label11", Caption, "min    moy    max"},
  {"Label18", Caption, "max   moy    min"},
  {"Label12", Caption, "3 mm  2mm   1mm"},
  {"Label15", Caption, "2        3        1"},
  {"Label13", Caption, "3        1        2"},
  {"Label14", Caption, "2        1        3"},
  {"Label17", Caption, "1        3        2"},
  {"Label16", Caption, "1        2        3"},
  {"Label19", Caption, "1       2       3"},
  {"Label21", Caption, "1       3       2"},
  {"Label20", Caption, "2       1       3"},
  {"Label22", Caption, "3       1       2"},
  {"Label24", Caption, "2       3       1"},
  {"Label23", Caption, "3       2       1"},
  {"SpinEdit1", Hint, "entre 2 et 10000"},
  {"SpinEdit2", Hint, "entre 500 et 1000 000"},
  {"SpinEdit3", Hint, "entre 1 et 100 000"},
  {"BitBtn1", Hint, "Départ"},
  {"Button10", Caption, "1mm"},
  {"Button11", Caption, "2mm"},
  {"Button12", Caption, "3mm"},
};

constexpr platform::TextEntry UK[] = {
  {"TForm7", Caption, "Absorption by Aluminium"},
  {"Nb_de_mesures", Caption, "# of measurements"},
  {"Label1", Caption, "Counting Duration ms"},
  {"Label26", Caption, "Nb of series of measurements := Nb of Students"},
  {"Label4", Caption, "Actual duration of experiment"},
  {"Label6", Caption, "Distance is 3cm"},
  {"Label7", Caption, "Absorption des rayons béta par l'aluminium, fluctuations des rayons gamma"},
  {"Label11", Caption, "min    mid    max"},
  {"Label18", Caption, "max   mid    min"},
  {"Label12", Caption, "3 mm  2mm   1mm"},
  {"Label15", Caption, "2        3        1"},
  {"Label13", Caption, "3        1        2"},
  {"Label14", Caption, "2        1        3"},
  {"Label17", Caption, "1        3        2"},
  {"Label16", Caption, "1        2        3"},
  {"Label19", Caption, "1        2        3"},
  {"Label21", Caption, "1        3        2"},
  {"Label20", Caption, "2        1        3"},
  {"Label22", Caption, "3        1        2"},
  {"Label24", Caption, "2        3        1"},
  {"Label23", Caption, "3        2        1"},
  {"SpinEdit1", Hint, "between 2 and 10000"},
  {"SpinEdit2", Hint, "between 500 and 1000 000"},
  {"SpinEdit3", Hint, "between 1 and 100 000"},
  {"BitBtn1", Hint, "Départ de la mesure"},
  {"Button10", Caption, "1mm"},
  {"Button11", Caption, "2mm"},
  {"Button12", Caption, "3mm"},
};

constexpr platform::TextEntry IT[] = {
  {"TForm7", Caption, "Assorbimento Alluminio"},
  {"Nb_de_mesures", Caption, "N. di misure"},
  {"Label1", Caption, "Durata conteggio ms"},
  {"Label26", Caption, "N. di serie di misure := N. di studenti"},
  {"Label4", Caption, "Durata reale dell'esperimento"},
  {"Label6", Caption, "La distanza è di 3cm"},
  {"Label11", Caption, "min    media    mass"},
  {"Label18", Caption, "mass   media    min"},
  {"SpinEdit1", Hint, "tra 2 e 10000"},
  {"SpinEdit2", Hint, "tra 500 e 1000 000"},
  {"SpinEdit3", Hint, "tra 1 e 100 000"},
};

constexpr platform::TextEntry ES[] = {
  {"TForm7", Caption, "Absorcion Aluminio"},
  {"Nb_de_mesures", Caption, "Nb de medidas"},
  {"Label1", Caption, "Duración conteo ms"},
  {"Label26", Caption, "Nb de series de medidas := Nb de estudiantes"},
  {"Label4", Caption, "Duración real del experimento"},
  {"Label6", Caption, "La distancia es de 3cm"},
  {"Label11", Caption, "mín    med    máx"},
  {"Label18", Caption, "máx   med    mín"},
  {"SpinEdit1", Hint, "entre 2 y 10000"},
  {"SpinEdit2", Hint, "entre 500 y 1000 000"},
  {"SpinEdit3", Hint, "entre 1 y 100 000"},
};

constexpr platform::TextEntry AL[] = {
  {"TForm7", Caption, "Absorption Aluminium"},
  {"Nb_de_mesures", Caption, "Anzahl der Messungen"},
  {"Label1", Caption, "Zählzeit ms"},
  {"Label26", Caption, "Anzahl der Mess-Serien:= Anzahl der Studenten"},
  {"Label4", Caption, "Tatsächliche Versuchsdauer"},
  {"Label6", Caption, "Der Abstand beträgt 3cm"},
  {"Label11", Caption, "Min    Mitt    Max"},
  {"Label18", Caption, "Max   Mitt    Min"},
  {"SpinEdit1", Hint, "zwischen 2 und 10000"},
  {"SpinEdit2", Hint, "zwischen 500 und 1000 000"},
  {"SpinEdit3", Hint, "zwischen 1 und 100 000"},
};
// clang-format on

}  // namespace

const platform::ScreenTexts kTexts{FR, UK, IT, ES, AL};

}  // namespace noyalis::thickness_series
