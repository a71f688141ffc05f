#include "experiments/activity/gauss_or_poisson_texts.h"

#include <array>

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

// One sentence per verdict, in the order of the Verdict enumeration.
using Sentences = std::array<const char*, 5>;

constexpr Sentences kFrenchSentences = {
  "À cette moyenne, les deux lois conviennent.",
  "La loi de Gauss est rejetée au seuil de 5 % ; la loi de Poisson convient.",
  "La loi de Poisson est rejetée au seuil de 5 % ; la loi de Gauss convient.",
  "Les deux lois sont rejetées au seuil de 5 %.",
  "Trop peu de mesures pour conclure : faites-en davantage.",
};
constexpr Sentences kEnglishSentences = {
  "At this mean both laws fit.",
  "The Gauss law is rejected at 5 %; the Poisson law fits.",
  "The Poisson law is rejected at 5 %; the Gauss law fits.",
  "Both laws are rejected at 5 %.",
  "Too few measurements to conclude: make more of them.",
};
constexpr Sentences kItalianSentences = {
  "A questa media entrambe le leggi sono adatte.",
  "La legge di Gauss è respinta al livello del 5 %; la legge di Poisson è adatta.",
  "La legge di Poisson è respinta al livello del 5 %; la legge di Gauss è adatta.",
  "Entrambe le leggi sono respinte al livello del 5 %.",
  "Troppo poche misure per concludere: fatene di più.",
};
constexpr Sentences kSpanishSentences = {
  "Con esta media ambas leyes se ajustan.",
  "La ley de Gauss se rechaza al nivel del 5 %; la ley de Poisson se ajusta.",
  "La ley de Poisson se rechaza al nivel del 5 %; la ley de Gauss se ajusta.",
  "Ambas leyes se rechazan al nivel del 5 %.",
  "Demasiado pocas medidas para concluir: haga más.",
};
constexpr Sentences kGermanSentences = {
  "Bei diesem Mittelwert passen beide Gesetze.",
  "Das Gauß-Gesetz wird auf dem 5-%-Niveau verworfen; das Poisson-Gesetz passt.",
  "Das Poisson-Gesetz wird auf dem 5-%-Niveau verworfen; das Gauß-Gesetz passt.",
  "Beide Gesetze werden auf dem 5-%-Niveau verworfen.",
  "Zu wenige Messungen für eine Aussage: machen Sie mehr.",
};
// clang-format on

}  // namespace

const platform::ScreenTexts kGaussOrPoissonTexts{FR, UK, IT, ES, AL};

QString VerdictSentence(Verdict verdict, const QString& languageCode) {
  const Sentences* sentences = &kFrenchSentences;
  if (languageCode == u"UK") sentences = &kEnglishSentences;
  if (languageCode == u"IT") sentences = &kItalianSentences;
  if (languageCode == u"ES") sentences = &kSpanishSentences;
  if (languageCode == u"DE") sentences = &kGermanSentences;
  return QString::fromUtf8((*sentences)[static_cast<std::size_t>(verdict)]);
}

}  // namespace noyalis::activity
