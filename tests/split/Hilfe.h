#pragma once
// Shared set-up of the split-analemma tests.
#include "core/Sonne.h"
#include "core/Split.h"

#include <string>
#include <vector>

namespace skiora::test {

using Liste = std::vector<std::string>;

// A split dial at the default site, recording its messages; with `ausTabelle`
// the hours come from the input table instead of the defaults.
struct SplitUhr {
    SammelMelder melder;
    Sonnenuhr uhr;
    explicit SplitUhr(bool ausTabelle = false) {
        uhr.setzeMelder(&melder);
        uhr.p.Arten = 2;
        uhr.Modusumschaltung();
        uhr.opt.DefaultWerte = !ausTabelle;
    }
    void Eingabe(int spalte, const Liste& zellen) {
        for (std::size_t z = 0; z < zellen.size(); ++z)
            uhr.tab.StrGridEin.Setze(spalte, static_cast<int>(z) + 1, zellen[z]);
    }
    // The non-empty cells of a column of the input table.
    Liste Spalte(int spalte) const {
        Liste v;
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

} // namespace skiora::test
