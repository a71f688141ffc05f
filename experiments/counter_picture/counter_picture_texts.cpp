#include "experiments/counter_picture/counter_picture_texts.h"

namespace noyalis::counter_picture {

namespace {

using enum platform::TextProperty;

constexpr platform::TextEntry FR[] = {
    {"Label36", Caption, "Compteur GEIGER MULLER"},
    {"Label37", Caption, "Source radioactive "},
    {"Label1", Caption, "Ecrans"},
    {"BitBtn4", Hint, "Retour "},
};

constexpr platform::TextEntry UK[] = {
    {"Label36", Caption, " GEIGER MULLER Counter "},
    {"Label37", Caption, "Radioactive material"},
    {"Label1", Caption, "Screens"},
    {"BitBtn4", Hint, "Back "},
};

}  // namespace

// Italian, Spanish and German keep the French texts of the layout.
const platform::ScreenTexts kTexts{FR, UK, {}, {}, {}};

}  // namespace noyalis::counter_picture
