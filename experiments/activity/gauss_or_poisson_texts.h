#pragma once
// The five text tables of the "Gauss ou Poisson ?" window, and its verdict sentences.
#include <QString>

#include "experiments/activity/gauss_or_poisson.h"
#include "platform/text_table.h"

namespace noyalis::activity {

extern const platform::ScreenTexts kGaussOrPoissonTexts;

// The verdict as one plain sentence in the language of the code ("FR", "UK", "IT", "ES", "DE";
// French for any other).
QString VerdictSentence(Verdict verdict, const QString& languageCode);

}  // namespace noyalis::activity
