#pragma once
// What the "Gauss ou Poisson ?" test shows, in plain sentences of the five interface languages: a
// law is rejected at 5 %, or not rejected with these N measurements; never that a law holds.
#include <cstdint>
#include <string>
#include <string_view>

#include "experiments/counting_statistics/chi_square.h"

namespace noyalis::counting_statistics {

enum class CountLaw { Poisson, Gauss };

// The outcome of the test of one law as one sentence (UTF-8) in the language of the code ("FR",
// "UK", "IT", "ES", "DE"; French for any other), naming the number of measurements.
std::string LawSentence(CountLaw law, TestOutcome outcome, std::int64_t measurements,
                        std::string_view languageCode);

// One line saying what p is and that more measurements make the test sharper.
std::string PValueNote(std::string_view languageCode);

}  // namespace noyalis::counting_statistics
