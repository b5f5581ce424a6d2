#pragma once
// Shared set-up of the split-analemma tests.
#include "core/Sonne.h"
#include "core/Split.h"

#include <string>
#include <vector>

namespace skiora::test {

// A split dial at the default site, recording its messages.
struct SplitUhr {
    SammelMelder melder;
    Sonnenuhr uhr;
    SplitUhr() {
        uhr.setzeMelder(&melder);
        uhr.p.Arten = 2;
        uhr.Modusumschaltung();
    }
    void Eingabe(int spalte, const std::vector<std::string>& zellen) {
        for (std::size_t z = 0; z < zellen.size(); ++z)
            uhr.tab.StrGridEin.Setze(spalte, static_cast<int>(z) + 1, zellen[z]);
    }
    std::vector<std::string> Spalte(int spalte) const {
        std::vector<std::string> v;
        for (int z = 1; z < uhr.tab.StrGridEin.Zeilen(); ++z)
            if (!uhr.tab.StrGridEin.Zelle(spalte, z).empty())
                v.push_back(uhr.tab.StrGridEin.Zelle(spalte, z));
        return v;
    }
    bool MeldungEnthaelt(const std::string& teil) const {
        for (const auto& e : melder.eintraege)
            if (e.text.find(teil) != std::string::npos) return true;
        return false;
    }
};

inline int SplitTagNr(const Sonnenuhr& uhr, int r) {
    int monat = 0, tag = 0;
    SplitDatum(r, uhr.p.Anzahl, monat, tag);
    return TagNr(uhr.p.Jahr, monat, tag);
}

} // namespace skiora::test
