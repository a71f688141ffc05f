#include "experiments/absorption/distance_texts.h"

namespace noyalis::absorption {

namespace {

using enum platform::TextProperty;

// clang-format off
constexpr platform::TextEntry FR[] = {
  {"TForm6", Caption, "Influence de la Distance"},
  {"Moyenne_", Caption, "Moyenne"},
  {"Total", Caption, "Total"},
  {"EcartType", Caption, "EcartType"},
  {"Nb_de_mesures", Caption, "Nb de mesures"},
  {"Label1", Caption, "Durée de Comptage ms"},
  {"Label5", Caption, "Moyenne"},
  {"Label8", Caption, "EcartType"},
  {"SpinEdit1", Hint, "entre 2 et 10 000"},
  {"SpinEdit2", Hint, "entre 50 et 1000 000"},
  {"Chart1", ChartTitleLine1, "Nombre  de désintégrations en fonction de 1/(distance)^2"},
  {"Chart1", XAxisTitle, "1/d² (m⁻²)"},
  {"Chart1", YAxisTitle, "coups par mesure"},
  {"Label2", Caption, "Pente"},
  {"Label2", Hint, "pente calculée par la méthode d'ajustement linéaire"},
  {"Label6", Caption, "d"},
  {"Memo1", Caption, "Il faut \nau \nmoins \ndeux \npoints"},
  {"Button2", Caption, "3cm"},
  {"Button0", Caption, "4,25cm"},
  {"Button9", Caption, "6cm"},
  {"Button10", Caption, "8.5cm"},
  {"Button11", Caption, "12cm"},
  // What a screen reader announces where no caption says it.
  {"BitBtn2", Name, "Retour au menu précédent"},
  {"Label5", Name, "moyenne"},
  {"Label8", Name, "écart type"},
  {"Label6", Name, "d (coefficient de détermination r²)"},
  {"EcartType", Name, "écart type en cours"},
};

constexpr platform::TextEntry UK[] = {
  {"TForm6", Caption, "Influence of the Distance"},
  {"Moyenne_", Caption, "Average"},
  {"Total", Caption, "Total"},
  {"EcartType", Caption, "Standard Deviation"},
  {"Nb_de_mesures", Caption, "Number of measurements"},
  {"Label1", Caption, "Counting duration ms"},
  {"Label5", Caption, "For each distance, we have the average"},
  {"Label8", Caption, "and Standard Deviation"},
  {"SpinEdit1", Hint, "between 2 and 10 000"},
  {"SpinEdit2", Hint, "between 50 and 1000 000"},
  {"Chart1", ChartTitleLine1, "Number of disintegrations vs. 1/(distance)^2"},
  {"Chart1", XAxisTitle, "1/d² (m⁻²)"},
  {"Chart1", YAxisTitle, "counts per measurement"},
  {"Label2", Caption, "Slope"},
  {"Label2", Hint, "Slope calculated by  the method of linear ajustement y=ax"},
  {"Label6", Caption, "d"},
  {"Memo1", Caption, "You \nneed \nat least \ntwo \npoints"},
  {"Button2", Caption, "3cm"},
  {"Button0", Caption, "4,25cm"},
  {"Button9", Caption, "6cm"},
  {"Button10", Caption, "8.5cm"},
  {"Button11", Caption, "12cm"},
  // What a screen reader announces where no caption says it.
  {"BitBtn2", Name, "Back to the previous menu"},
  {"Label5", Name, "average"},
  {"Label8", Name, "standard deviation"},
  {"Label6", Name, "d (coefficient of determination r²)"},
};

constexpr platform::TextEntry IT[] = {
  {"TForm6", Caption, "Influenza della Distanza"},
  {"Moyenne_", Caption, "Media"},
  {"Total", Caption, "Totale"},
  {"EcartType", Caption, "Deviazione standard"},
  {"Nb_de_mesures", Caption, "Numero di misure"},
  {"Label1", Caption, "Durata conteggio ms"},
  {"Label5", Caption, "Media"},
  {"Label8", Caption, "Deviazione standard"},
  {"SpinEdit1", Hint, "tra 2 e 10 000"},
  {"SpinEdit2", Hint, "tra 50 e 1000 000"},
  {"Chart1", ChartTitleLine1, "Numero di disintegrazioni in funzione di 1/(distanza)^2"},
  {"Chart1", XAxisTitle, "1/d² (m⁻²)"},
  {"Chart1", YAxisTitle, "conteggi per misura"},
  {"Label2", Caption, "Pendenza"},
  {"Label2", Hint, "pendenza calcolata con il metodo dell'aggiustamento lineare"},
  {"Label6", Caption, "d"},
  {"Memo1", Caption, "Servono \nalmeno \ndue \npunti"},
  {"Button2", Caption, "3cm"},
  {"Button0", Caption, "4,25cm"},
  {"Button9", Caption, "6cm"},
  {"Button10", Caption, "8.5cm"},
  {"Button11", Caption, "12cm"},
  // What a screen reader announces where no caption says it.
  {"BitBtn2", Name, "Ritorno al menu precedente"},
  {"Label5", Name, "media"},
  {"Label8", Name, "deviazione standard"},
  {"Label6", Name, "d (coefficiente di determinazione r²)"},
};

constexpr platform::TextEntry ES[] = {
  {"TForm6", Caption, "Influencia de la Distancia"},
  {"Moyenne_", Caption, "Media"},
  {"Total", Caption, "Total"},
  {"EcartType", Caption, "Desviación típica"},
  {"Nb_de_mesures", Caption, "Número de medidas"},
  {"Label1", Caption, "Duración conteo ms"},
  {"Label5", Caption, "Media"},
  {"Label8", Caption, "Desviación típica"},
  {"SpinEdit1", Hint, "entre 2 y 10 000"},
  {"SpinEdit2", Hint, "entre 50 y 1000 000"},
  {"Chart1", ChartTitleLine1, "Número de desintegraciones en función de 1/(distancia)^2"},
  {"Chart1", XAxisTitle, "1/d² (m⁻²)"},
  {"Chart1", YAxisTitle, "cuentas por medida"},
  {"Label2", Caption, "Pendiente"},
  {"Label2", Hint, "pendiente calculada por el método de ajuste lineal"},
  {"Label6", Caption, "d"},
  {"Memo1", Caption, "Hacen \nfalta \nal menos \ndos \npuntos"},
  {"Button2", Caption, "3cm"},
  {"Button0", Caption, "4,25cm"},
  {"Button9", Caption, "6cm"},
  {"Button10", Caption, "8.5cm"},
  {"Button11", Caption, "12cm"},
  // What a screen reader announces where no caption says it.
  {"BitBtn2", Name, "Volver al menú anterior"},
  {"Label5", Name, "media"},
  {"Label8", Name, "desviación típica"},
  {"Label6", Name, "d (coeficiente de determinación r²)"},
};

constexpr platform::TextEntry AL[] = {
  {"TForm6", Caption, "Einfluss des Abstands"},
  {"Moyenne_", Caption, "Mittelwert"},
  {"Total", Caption, "Summe"},
  {"EcartType", Caption, "Standardabweichung"},
  {"Nb_de_mesures", Caption, "Anzahl Messungen"},
  {"Label1", Caption, "Zähldauer ms"},
  {"Label5", Caption, "Mittelwert"},
  {"Label8", Caption, "Standardabweichung"},
  {"SpinEdit1", Hint, "zwischen 2 und 10 000"},
  {"SpinEdit2", Hint, "zwischen 50 und 1000 000"},
  {"Chart1", ChartTitleLine1, "Anzahl der Zerfallsereignisse als Funktion von 1/(Abstand)^2"},
  {"Chart1", XAxisTitle, "1/d² (m⁻²)"},
  {"Chart1", YAxisTitle, "Impulse pro Messung"},
  {"Label2", Caption, "Steigung"},
  {"Label2", Hint, "Steigung nach der Methode der linearen Anpassung"},
  {"Label6", Caption, "d"},
  {"Memo1", Caption, "Es\nwerden \nmindestens\nzwei Punkte\nbenötigt"},
  {"Button2", Caption, "3 cm"},
  {"Button0", Caption, "4,25 cm"},
  {"Button9", Caption, "6 cm"},
  {"Button10", Caption, "8.5 cm"},
  {"Button11", Caption, "12 cm"},
  // What a screen reader announces where no caption says it.
  {"BitBtn2", Name, "Zurück zum vorherigen Menü"},
  {"Label5", Name, "Mittelwert"},
  {"Label8", Name, "Standardabweichung"},
  {"Label6", Name, "d (Bestimmtheitsmaß r²)"},
};

// clang-format on

}  // namespace

const platform::ScreenTexts kDistanceTexts{FR, UK, IT, ES, AL};

}  // namespace noyalis::absorption
