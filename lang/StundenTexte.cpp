#include "lang/StundenTexte.h"

#include "lang/Texte.h"

namespace skiora::lang {

std::string StundenFolgeFalsch(int sprache, int von, int bis) {
    static constexpr Zweisprachig anfang{"Die erste Stunde der Stundenmarken (",
                                         "The first hour of the hour marks ("};
    static constexpr Zweisprachig mitte{") liegt nach der letzten (", ") comes after the last ("};
    return Text(sprache, anfang) + std::to_string(von) + Text(sprache, mitte) +
           std::to_string(bis) + ")!";
}

} // namespace skiora::lang
