#include "experiments/activity/gauss_or_poisson_texts.h"

namespace noyalis::activity {

namespace {

using enum platform::TextProperty;

// clang-format off
constexpr platform::TextEntry FR[] = {
  {"GaussOrPoissonWindow", Caption, "Gauss ou Poisson ?"},
  {"Intro", Caption, "Test du χ² de Pearson : l'histogramme mesuré comparé à chaque loi"},
  {"ChiSquareCaption", Caption, "χ²"},
  {"ClassesCaption", Caption, "Classes (au moins 5 attendues)"},
  {"FreedomCaption", Caption, "Degrés de liberté"},
  {"PValueCaption", Caption, "Probabilité p"},
  {"CloseButton", Caption, "Fermer"},
  {"CloseButton", Hint, "Retour à l'écran Activité"},
};

constexpr platform::TextEntry UK[] = {
  {"GaussOrPoissonWindow", Caption, "Gauss or Poisson ?"},
  {"Intro", Caption, "Pearson's χ² test: the measured histogram against each law"},
  {"ChiSquareCaption", Caption, "χ²"},
  {"ClassesCaption", Caption, "Classes (at least 5 expected)"},
  {"FreedomCaption", Caption, "Degrees of freedom"},
  {"PValueCaption", Caption, "Probability p"},
  {"CloseButton", Caption, "Close"},
  {"CloseButton", Hint, "Back to the activity screen"},
};

constexpr platform::TextEntry IT[] = {
  {"GaussOrPoissonWindow", Caption, "Gauss o Poisson ?"},
  {"Intro", Caption, "Test del χ² di Pearson: l'istogramma misurato confrontato con ciascuna legge"},
  {"ChiSquareCaption", Caption, "χ²"},
  {"ClassesCaption", Caption, "Classi (almeno 5 attese)"},
  {"FreedomCaption", Caption, "Gradi di libertà"},
  {"PValueCaption", Caption, "Probabilità p"},
  {"CloseButton", Caption, "Chiudi"},
  {"CloseButton", Hint, "Ritorno alla schermata Attività"},
};

constexpr platform::TextEntry ES[] = {
  {"GaussOrPoissonWindow", Caption, "Gauss o Poisson ?"},
  {"Intro", Caption, "Prueba χ² de Pearson: el histograma medido frente a cada ley"},
  {"ChiSquareCaption", Caption, "χ²"},
  {"ClassesCaption", Caption, "Clases (al menos 5 esperadas)"},
  {"FreedomCaption", Caption, "Grados de libertad"},
  {"PValueCaption", Caption, "Probabilidad p"},
  {"CloseButton", Caption, "Cerrar"},
  {"CloseButton", Hint, "Volver a la pantalla Actividad"},
};

constexpr platform::TextEntry AL[] = {
  {"GaussOrPoissonWindow", Caption, "Gauss oder Poisson ?"},
  {"Intro", Caption, "Pearsons χ²-Test: das gemessene Histogramm im Vergleich mit jedem Gesetz"},
  {"ChiSquareCaption", Caption, "χ²"},
  {"ClassesCaption", Caption, "Klassen (mindestens 5 erwartet)"},
  {"FreedomCaption", Caption, "Freiheitsgrade"},
  {"PValueCaption", Caption, "Wahrscheinlichkeit p"},
  {"CloseButton", Caption, "Schließen"},
  {"CloseButton", Hint, "Zurück zum Bildschirm Aktivität"},
};

// clang-format on

}  // namespace

const platform::ScreenTexts kGaussOrPoissonTexts{FR, UK, IT, ES, AL};

}  // namespace noyalis::activity
