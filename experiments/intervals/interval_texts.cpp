#include "experiments/intervals/interval_texts.h"

namespace noyalis::intervals {

namespace {

using enum platform::TextProperty;

// The units, "1/Moyenne", "nombre de classes", "N° des mesures", "Calcul en cours", "d", the
// chart of ln P's hint and the buttons keep their French texts in every language.

// clang-format off
constexpr platform::TextEntry FR[] = {
  {"TForm2", Caption, "Intervalles de temps entre deux désintégrations"},
  {"Nb_de_mesures", Caption, "Nb de mesures"},
  {"MoyenneI", Caption, "Moyenne "},
  {"mini", Caption, "min"},
  {"Recapitulation", Caption, "max"},
  {"Label3", Caption, "Largeur des classes de l'histogramme "},
  {"SpinEdit1", Hint, "entre 100 et 100 000"},
  {"SpinEdit3", Hint, "entre 25 et 1000"},
  {"Chart2", ChartTitleLine1, "Liste des intervalles de temps (ms) entre 2 désintégrations successives"},
  {"Chart2", XAxisTitle, "N° des mesures"},
  {"Chart2", YAxisTitle, "intervalle (ms)"},
  {"Chart3", ChartTitleLine1, "Ln (Probabilité de non-désintégration)"},
  {"Label4", Caption, "pente"},
  {"RadioGroup1", Caption, "Distance en cm"},
  {"RadioGroup1", Hint, "choix de la distance"},
  {"Chart1", ChartTitleLine1, "Histogramme des intervalles de temps(ms) entre 2 désintégrations successives"},
  {"Chart1", XAxisTitle, "ms"},
  {"Chart1", YAxisTitle, "nombre d'intervalles"},
  {"RadioGroup2", Caption, "Choix de la distribution"},
  {"RadioGroup2", Hint, "Le compteur Geiger a un temps mort de 0,1ms"},
  {"RadioGroup2", Items, "Distribution théorique\nCompteur Geiger (delta T mini=0.1ms)"},
  // What a screen reader announces where no caption says it.
  {"BitBtn2", Name, "Retour au menu précédent"},
  {"BitBtn4", Name, "Sauvegarde des résultats"},
  {"Label8", Name, "1/Moyenne"},
  {"Label12", Name, "nombre de classes"},
  {"Label14", Name, "d (coefficient de détermination r²)"},
};

constexpr platform::TextEntry UK[] = {
  {"TForm2", Caption, " Time Intervals between two successive disintegrations"},
  {"Nb_de_mesures", Caption, "Nb of measures"},
  {"MoyenneI", Caption, "Average per microseconde"},
  {"mini", Caption, "min"},
  {"Recapitulation", Caption, "max"},
  {"Label3", Caption, "Size of the classes of the histogram  in microseconde =tr"},
  {"SpinEdit1", Hint, "between 100 and 100 000"},
  {"SpinEdit3", Hint, "between 25 and 1000"},
  {"Chart2", ChartTitleLine1, "List of the time intervals  (ms) between 2 successive disintegrations"},
  {"Chart2", XAxisTitle, "N° des mesures"},
  {"Chart2", YAxisTitle, "interval (ms)"},
  {"Chart3", ChartTitleLine1, "Ln (Probability of non-disintegration during  dt between moments t et t+dt)   (abscissa in s)"},
  {"Label4", Caption, "SlopeX"},
  {"RadioGroup1", Caption, "Distance in cm"},
  {"RadioGroup1", Hint, "Choice of the Distance"},
  {"Chart1", ChartTitleLine1, "Histogram of time intervals (ms) between 2 successives disintegrations"},
  {"Chart1", XAxisTitle, "ms"},
  {"Chart1", YAxisTitle, "number of intervals"},
  {"RadioGroup2", Caption, "Choice of the distribution"},
  {"RadioGroup2", Hint, "a Geiger counter as a delay time of 0,1ms"},
  {"RadioGroup2", Items, "Theoretical Distribution \nGeiger Counter (delta T mini =0.1ms)"},
  // What a screen reader announces where no caption says it.
  {"BitBtn2", Name, "Back to the previous menu"},
  {"BitBtn4", Name, "Save the results"},
  {"Label8", Name, "1/average"},
  {"Label12", Name, "number of classes"},
  {"Label14", Name, "d (coefficient of determination r²)"},
  {"Label4", Name, "slope"},
};

constexpr platform::TextEntry IT[] = {
  {"TForm2", Caption, "Intervalli di tempo fra due disintegrazioni"},
  {"Nb_de_mesures", Caption, "N. di misure"},
  {"MoyenneI", Caption, "Media"},
  {"mini", Caption, "min"},
  {"Recapitulation", Caption, "max"},
  {"Label3", Caption, "Larghezza dell'istogramma in microsecondi:=tr "},
  {"SpinEdit1", Hint, "tra 100 e 100 000"},
  {"SpinEdit3", Hint, "tra 25 e 1000"},
  {"Chart2", ChartTitleLine1, "Lista degl'intervalli di tempo (microsecondi)"},
  {"Chart2", ChartTitleLine2, " tra due disintegrazioni successive"},
  {"Chart2", XAxisTitle, "N° des mesures"},
  {"Chart2", YAxisTitle, "intervallo (ms)"},
  {"Chart3", ChartTitleLine1, "Ln (Probabilità di non disintegrazione)"},
  {"Label4", Caption, "pendenza"},
  {"RadioGroup1", Caption, "Distanza in cm"},
  {"RadioGroup1", Hint, "scelta della distanza"},
  {"Chart1", ChartTitleLine1, "Istogramma degl'intervalli di tempo (ms)"},
  {"Chart1", ChartTitleLine2, " tra due disintegrazioni successive"},
  {"Chart1", XAxisTitle, "ms"},
  {"Chart1", YAxisTitle, "numero di intervalli"},
  {"RadioGroup2", Caption, "Scelta della distribuzione"},
  {"RadioGroup2", Hint, "Il contatore Geiger ha un tempo morto di 0,1ms"},
  {"RadioGroup2", Items, "Distribuzione teorica\nContatore Geiger (delta T mini :=0.1ms)"},
  // What a screen reader announces where no caption says it.
  {"BitBtn2", Name, "Ritorno al menu precedente"},
  {"BitBtn4", Name, "Salva i risultati"},
  {"Label8", Name, "1/media"},
  {"Label12", Name, "numero di classi"},
  {"Label14", Name, "d (coefficiente di determinazione r²)"},
};

constexpr platform::TextEntry ES[] = {
  {"TForm2", Caption, "Intervalos de tiempo entre dos desintegraciones"},
  {"Nb_de_mesures", Caption, "N.º de medidas"},
  {"MoyenneI", Caption, "Media"},
  {"mini", Caption, "mín"},
  {"Recapitulation", Caption, "máx"},
  {"Label3", Caption, "Anchura de las clases del histograma en microsegundos:=tr "},
  {"SpinEdit1", Hint, "entre 100 y 100 000"},
  {"SpinEdit3", Hint, "entre 25 y 1000"},
  {"Chart2", ChartTitleLine1, "Lista de los intervalos de tiempo (ms)"},
  {"Chart2", ChartTitleLine2, " entre dos desintegraciones sucesivas"},
  {"Chart2", XAxisTitle, "N° des mesures"},
  {"Chart2", YAxisTitle, "intervalo (ms)"},
  {"Chart3", ChartTitleLine1, "Ln (Probabilidad de no desintegración)"},
  {"Label4", Caption, "pendiente"},
  {"RadioGroup1", Caption, "Distancia en cm"},
  {"RadioGroup1", Hint, "elección de la distancia"},
  {"Chart1", ChartTitleLine1, "Histograma de los intervalos de tiempo (ms)"},
  {"Chart1", ChartTitleLine2, " entre dos desintegraciones sucesivas"},
  {"Chart1", XAxisTitle, "ms"},
  {"Chart1", YAxisTitle, "número de intervalos"},
  {"RadioGroup2", Caption, "Elección de la distribución"},
  {"RadioGroup2", Hint, "El contador Geiger tiene un tiempo muerto de 0,1ms"},
  {"RadioGroup2", Items, "Distribución teórica\nContador Geiger (delta T mini :=0.1ms)"},
  // What a screen reader announces where no caption says it.
  {"BitBtn2", Name, "Volver al menú anterior"},
  {"BitBtn4", Name, "Guardar los resultados"},
  {"Label8", Name, "1/media"},
  {"Label12", Name, "número de clases"},
  {"Label14", Name, "d (coeficiente de determinación r²)"},
};

constexpr platform::TextEntry AL[] = {
  {"TForm2", Caption, "Zeitabstände zwischen zwei Zerfällen"},
  {"Nb_de_mesures", Caption, "Anzahl Messungen"},
  {"MoyenneI", Caption, "Mittelwert"},
  {"mini", Caption, "min"},
  {"Recapitulation", Caption, "max"},
  {"Label3", Caption, "Intervallbreite des Histogramms in Mikrosekunden :=tr "},
  {"SpinEdit1", Hint, "zwischen 100 und 64 000"},
  {"SpinEdit3", Hint, "zwischen 25 und 1000"},
  {"Chart2", ChartTitleLine1, "Liste der Zeitabstände (ms)"},
  {"Chart2", ChartTitleLine2, " zwischen 2 aufeinanderfolgenden Zerfällen"},
  {"Chart2", XAxisTitle, "N° des mesures"},
  {"Chart2", YAxisTitle, "Intervall (ms)"},
  {"Chart3", ChartTitleLine1, "Ln (Wahrscheinlichkeit, nicht zu zerfallen)"},
  {"Label4", Caption, "Steigung"},
  {"RadioGroup1", Caption, "Abstand in cm"},
  {"RadioGroup1", Hint, "Wahl des Abstands"},
  {"Chart1", ChartTitleLine1, "Histogramm der Zeitabstände (ms)"},
  {"Chart1", ChartTitleLine2, " zwischen 2 aufeinanderfolgenden Zerfällen"},
  {"Chart1", XAxisTitle, "ms"},
  {"Chart1", YAxisTitle, "Anzahl der Intervalle"},
  {"RadioGroup2", Caption, "Wahl der Verteilung"},
  {"RadioGroup2", Hint, "Das Geigerzählrohr hat eine Totzeit von 0,1ms"},
  {"RadioGroup2", Items, "Theoretische Verteilung\nGeigerzähler (Delta T Mini :=0.1 ms)"},
  // What a screen reader announces where no caption says it.
  {"BitBtn2", Name, "Zurück zum vorherigen Menü"},
  {"BitBtn4", Name, "Ergebnisse speichern"},
  {"Label8", Name, "1/Mittelwert"},
  {"Label12", Name, "Anzahl der Klassen"},
  {"Label14", Name, "d (Bestimmtheitsmaß r²)"},
};
// clang-format on

}  // namespace

const platform::ScreenTexts kTexts{FR, UK, IT, ES, AL};

}  // namespace noyalis::intervals
