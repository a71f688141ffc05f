// What the class-results screen says about a file or the class: each form of sentence once, the
// numbers in their places, and French for an unknown language.
#include <gtest/gtest.h>

#include <cerrno>

#include "experiments/class_results/class_results_sentences.h"

namespace noyalis::class_results {
namespace {

using enum FileProblemKind;

TEST(ClassResultsSentences, EachFormWithItsNumbers) {
  const struct {
    FileProblem problem;
    const char* code;
    const char* sentence;
  } cases[] = {
      {{NotANumber, 5, 2}, "FR", "ligne 5, champ 2 : pas un nombre entier"},
      {{OutOfRange, 7, 2, 100'001, 100'000}, "UK", "line 7, field 2: 100001 out of range (limit 100000)"},
      {{Truncated, 14, 0, 11, 32}, "DE", "Zeile 14: Datei abgeschnitten: 11 von 32 Datenzeilen"},
      {{Truncated, 3}, "IT", "riga 3: file troncato"},
      {{DisagreesWithLine1, 8, 2, 4, 3}, "ES", "línea 8, campo 2: medida n.º 4 cuando la línea 1 anuncia 3"},
      {{TooLarge, 0, 0, 40'000'000, 33'554'432}, "XX", "trop grand : 40000000 octets pour 33554432 au plus"},
      {{Unreadable, 0, 0, ENOENT}, "UK", "unreadable: No such file or directory"},
      {{NotARegularFile}, "FR", "pas un fichier ordinaire (tube, périphérique ou socket) : non lu"},
  };
  for (const auto& c : cases) EXPECT_EQ(ProblemSentence(c.problem, c.code), c.sentence);
  EXPECT_EQ(OtherKindSentence(ResultsKind::Intervals, "FR"),
            "fichier d'intervalles : non regroupé avec l'activité");
  EXPECT_EQ(OtherKindSentence(ResultsKind::Activity, "UK"), "activity file: not pooled with the intervals");
  using counting_statistics::TestOutcome;
  EXPECT_EQ(CommonMeanSentence(TestOutcome::NotRejected, "UK"),
            "One mean for every ticked file: not rejected at 5 %.");
  EXPECT_EQ(CommonMeanSentence(TestOutcome::NotTestable, "DE"),
            "Ein gemeinsamer Mittelwert lässt sich ab zwei angekreuzten Dateien testen.");
}

}  // namespace
}  // namespace noyalis::class_results
