#include "experiments/activity/activity_texts.h"

namespace noyalis::activity {

namespace {

using enum platform::TextProperty;

// clang-format off
constexpr platform::TextEntry FR[] = {
  {"Tform11", Caption, "Activité"},
  {"Moyenne_", Caption, "Moyenne"},
  {"EcartType", Caption, "EcartType"},
  {"Total", Caption, "Total"},
  {"Nb_de_mesures", Caption, "Nb de mesures"},
  {"Label1", Caption, "Duree Comptage ms"},
  {"Label3", Caption, "EctTh"},
  {"Label5", Caption, "Mesure en cours"},
  {"BitBtn1", Hint, "Départ de la mesure,ESC ou Fin =Arret, Pause=pause"},
  {"SpinEdit1", Hint, "entre 2 et 1000 000 , maxi 1000 si temps réel"},
  {"SpinEdit2", Hint, "entre 50 et 100 000 mais le produit durée*nb de mesures doit rester inferieur à 10^9 ms"},
  {"Chart1", ChartTitleLine1, "Diagramme en batons des nombres de désintégrations par unité"},
  {"Chart1", ChartTitleLine2, " de temps de comptage"},
  {"Chart1", XAxisTitle, "coups par mesure"},
  {"Chart1", YAxisTitle, "nombre de mesures"},
  {"Series1", SeriesTitle, "Mesures"},
  {"Series3", SeriesTitle, "Gauss"},
  {"Series2", SeriesTitle, "Poisson"},
  {"RadioGroup1", Hint, "choix de la distance source-compteur"},
  {"RadioGroup1", Caption, "Distance en cm"},
  {"RadioGroup2", Hint, "Temps réel  ou simulation"},
  {"RadioGroup2", Caption, "Tracé "},
  {"RadioGroup2", Items, "Temps réel\nSimulation"},
  {"Button2", Caption, "Histo./Valeurs"},
  {"Edit6", Caption, "Gauss ou Poisson ?"},
};

constexpr platform::TextEntry UK[] = {
  {"Tform11", Caption, "Decay rate"},
  {"Moyenne_", Caption, "Average"},
  {"EcartType", Caption, "Standard Deviation"},
  {"Total", Caption, "Total"},
  {"Nb_de_mesures", Caption, "Nb of measurements"},
  {"Label1", Caption, "Time Interval Count"},
  {"Label3", Caption, "Theoretical Deviation"},
  {"Label5", Caption, "Current measurement"},
  {"Reste_", Caption, "Remainder"},
  {"BitBtn1", Hint, "Départ de la mesure,ESC=pause, Fin=Arret calcul"},
  {"SpinEdit1", Hint, "between 2 and 60 000"},
  {"SpinEdit2", Hint, "between 50 and 100 000"},
  {"Chart1", ChartTitleLine1, "Bar Chart : disintegrations number "},
  {"Chart1", ChartTitleLine2, " vs. counting time"},
  {"Chart1", XAxisTitle, "counts per measurement"},
  {"Chart1", YAxisTitle, "number of measurements"},
  {"Series1", SeriesTitle, "Measurements"},
  {"Series3", SeriesTitle, "Gauss"},
  {"Series2", SeriesTitle, "Poisson"},
  {"RadioGroup1", Hint, "Distance Cesium-counter"},
  {"RadioGroup1", Caption, "Distance in cm"},
  {"RadioGroup2", Hint, "print or  don't print Bar Chart"},
  {"RadioGroup2", Caption, "Plot in Real Time"},
  {"RadioGroup2", Items, "yes\nno"},
  {"Button2", Caption, "Plot/Values"},
  {"Edit6", Caption, "Gauss or Poisson ?"},
};

// The Italian, Spanish and German tables leave the start button's hint in French.
constexpr platform::TextEntry IT[] = {
  {"Tform11", Caption, "Attività"},
  {"Moyenne_", Caption, "Media"},
  {"EcartType", Caption, "Dev. standard"},
  {"Total", Caption, "Totale"},
  {"Nb_de_mesures", Caption, "N. di misure"},
  {"Label1", Caption, "Durata conteggio ms"},
  {"Label3", Caption, "Dev. teorica"},
  {"Label5", Caption, "Misura in corso"},
  {"Reste_", Caption, "Restanti"},
  {"SpinEdit1", Hint, "tra 2 e 1000 000, massimo 1000 in tempo reale"},
  {"SpinEdit2", Hint, "tra 50 e 100 000, ma il prodotto durata*numero di misure deve restare inferiore a 10^9 ms"},
  {"Chart1", ChartTitleLine1, "Diagramma a barre del numero di disintegrazioni per unità"},
  {"Chart1", ChartTitleLine2, " di tempo di conteggio"},
  {"Chart1", XAxisTitle, "conteggi per misura"},
  {"Chart1", YAxisTitle, "numero di misure"},
  {"Series1", SeriesTitle, "Misure"},
  {"Series3", SeriesTitle, "Gauss"},
  {"Series2", SeriesTitle, "Poisson"},
  {"RadioGroup1", Hint, "scelta della distanza sorgente-contatore"},
  {"RadioGroup1", Caption, "Distanza in cm"},
  {"RadioGroup2", Hint, "Tempo reale o simulazione"},
  {"RadioGroup2", Caption, "Tempo reale"},
  {"RadioGroup2", Items, "si\nno"},
  {"Button2", Caption, "STOP"},
  {"Edit6", Caption, "Gauss o Poisson ?"},
};

constexpr platform::TextEntry ES[] = {
  {"Tform11", Caption, "Actividad"},
  {"Moyenne_", Caption, "Media"},
  {"EcartType", Caption, "Desv. típica"},
  {"Total", Caption, "Total"},
  {"Nb_de_mesures", Caption, "N.º de medidas"},
  {"Label1", Caption, "Duración del conteo ms"},
  {"Label3", Caption, "Desv. teórica"},
  {"Label5", Caption, "Medida en curso"},
  {"Reste_", Caption, "Restan"},
  {"SpinEdit1", Hint, "entre 2 y 1000 000, máximo 1000 en tiempo real"},
  {"SpinEdit2", Hint, "entre 50 y 100 000, pero el producto duración*n.º de medidas debe quedar por debajo de 10^9 ms"},
  {"Chart1", ChartTitleLine1, "Diagrama de barras del número de desintegraciones por unidad"},
  {"Chart1", ChartTitleLine2, " de tiempo de conteo"},
  {"Chart1", XAxisTitle, "cuentas por medida"},
  {"Chart1", YAxisTitle, "número de medidas"},
  {"Series1", SeriesTitle, "Medidas"},
  {"Series3", SeriesTitle, "Gauss"},
  {"Series2", SeriesTitle, "Poisson"},
  {"RadioGroup1", Hint, "elección de la distancia fuente-contador"},
  {"RadioGroup1", Caption, "Distancia en cm"},
  {"RadioGroup2", Hint, "Tiempo real o simulación"},
  {"RadioGroup2", Caption, "Tiempo real"},
  {"RadioGroup2", Items, "si\nno"},
  {"Button2", Caption, "STOP"},
  {"Edit6", Caption, "Gauss o Poisson ?"},
};

constexpr platform::TextEntry AL[] = {
  {"Tform11", Caption, "Aktivität"},
  {"Moyenne_", Caption, "Mittelwert"},
  {"EcartType", Caption, "Std.-Abw."},
  {"Total", Caption, "Summe"},
  {"Nb_de_mesures", Caption, "Anzahl Messungen"},
  {"Label1", Caption, "Zähldauer ms"},
  {"Label3", Caption, "Theor. Abw."},
  {"Label5", Caption, "Messung läuft"},
  {"Reste_", Caption, "Verbleibend"},
  {"SpinEdit1", Hint, "zwischen 2 und 1000 000, höchstens 1000 in Echtzeit"},
  {"SpinEdit2", Hint, "zwischen 50 und 100 000, aber Dauer*Anzahl der Messungen muss unter 10^9 ms bleiben"},
  {"Chart1", ChartTitleLine1, "Balkendiagramm der Anzahl der Zerfälle pro Einheit"},
  {"Chart1", ChartTitleLine2, " der Zählzeit"},
  {"Chart1", XAxisTitle, "Impulse pro Messung"},
  {"Chart1", YAxisTitle, "Anzahl der Messungen"},
  {"Series1", SeriesTitle, "Messungen"},
  {"Series3", SeriesTitle, "Gauss"},
  {"Series2", SeriesTitle, "Poisson"},
  {"RadioGroup1", Hint, "Wahl des Abstands Quelle-Zähler"},
  {"RadioGroup1", Caption, "Abstand in cm"},
  {"RadioGroup2", Hint, "Echtzeit oder Simulation"},
  {"RadioGroup2", Caption, "Echtzeit"},
  {"RadioGroup2", Items, "ja\nnein"},
  {"Button2", Caption, "STOP"},
  {"Edit6", Caption, "Gauss oder Poisson ?"},
};
// clang-format on

}  // namespace

const platform::ScreenTexts kTexts{FR, UK, IT, ES, AL};

}  // namespace noyalis::activity
