#include "experiments/counting_statistics/gauss_or_poisson_sentences.h"

#include <array>

namespace noyalis::counting_statistics {

namespace {

// One language: the two law names, the sentence of each outcome ("{law}" and "{n}" are filled
// in), in the order of TestOutcome, and the note on p.
struct Sentences {
  std::string_view code;
  std::array<std::string_view, 2> laws;
  std::array<std::string_view, 3> outcomes;
  std::string_view pNote;
};

// clang-format off
constexpr std::array<Sentences, 5> kLanguages = {{
  {"FR", {"Loi de Poisson", "Loi de Gauss"},
   {"{law} : trop peu de mesures pour la tester ({n} donnent trop peu de classes).",
    "{law} : non rejetée au seuil de 5 % avec ces {n} mesures.",
    "{law} : rejetée au seuil de 5 % avec ces {n} mesures."},
   "p est la probabilité d'un écart au moins aussi grand si la loi s'appliquait ; "
   "plus de mesures rendent le test plus sévère."},
  {"UK", {"Poisson law", "Gauss law"},
   {"{law}: too few measurements to test it ({n} give too few classes).",
    "{law}: not rejected at 5 % with these {n} measurements.",
    "{law}: rejected at 5 % with these {n} measurements."},
   "p is the probability of a deviation at least this large if the law held; "
   "more measurements make the test sharper."},
  {"IT", {"Legge di Poisson", "Legge di Gauss"},
   {"{law}: troppo poche misure per verificarla ({n} danno troppo poche classi).",
    "{law}: non respinta al livello del 5 % con queste {n} misure.",
    "{law}: respinta al livello del 5 % con queste {n} misure."},
   "p è la probabilità di uno scarto almeno così grande se la legge valesse; "
   "più misure rendono il test più severo."},
  {"ES", {"Ley de Poisson", "Ley de Gauss"},
   {"{law}: demasiado pocas medidas para probarla ({n} dan demasiado pocas clases).",
    "{law}: no rechazada al nivel del 5 % con estas {n} medidas.",
    "{law}: rechazada al nivel del 5 % con estas {n} medidas."},
   "p es la probabilidad de una desviación al menos así de grande si la ley se cumpliera; "
   "más medidas hacen la prueba más exigente."},
  {"DE", {"Poisson-Gesetz", "Gauß-Gesetz"},
   {"{law}: zu wenige Messungen, um es zu testen ({n} ergeben zu wenige Klassen).",
    "{law}: auf dem 5-%-Niveau mit diesen {n} Messungen nicht verworfen.",
    "{law}: auf dem 5-%-Niveau mit diesen {n} Messungen verworfen."},
   "p ist die Wahrscheinlichkeit einer mindestens so großen Abweichung, wenn das Gesetz gälte; "
   "mehr Messungen machen den Test schärfer."},
}};
// clang-format on

const Sentences& LanguageOf(std::string_view code) {
  for (const Sentences& s : kLanguages)
    if (s.code == code) return s;
  return kLanguages.front();
}

void Fill(std::string& text, std::string_view field, std::string_view value) {
  const std::size_t at = text.find(field);
  if (at != std::string::npos) text.replace(at, field.size(), value);
}

}  // namespace

std::string LawSentence(CountLaw law, TestOutcome outcome, std::int64_t measurements,
                        std::string_view languageCode) {
  const Sentences& language = LanguageOf(languageCode);
  std::string text(language.outcomes[static_cast<std::size_t>(outcome)]);
  Fill(text, "{law}", language.laws[static_cast<std::size_t>(law)]);
  Fill(text, "{n}", std::to_string(measurements));
  return text;
}

std::string PValueNote(std::string_view languageCode) {
  return std::string(LanguageOf(languageCode).pNote);
}

}  // namespace noyalis::counting_statistics
