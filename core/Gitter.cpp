#include "Gitter.h"

namespace skiora {

namespace {
const std::string leer;
}

const std::string& Gitter::Zelle(int spalte, int zeile) const {
    if (spalte < 0 || zeile < 0 || spalte >= spalten_ || zeile >= zeilen_) return leer;
    return zellen_[static_cast<size_t>(zeile) * spalten_ + spalte];
}

void Gitter::Setze(int spalte, int zeile, std::string text) {
    if (spalte < 0 || zeile < 0 || spalte >= spalten_ || zeile >= zeilen_) return;
    zellen_[static_cast<size_t>(zeile) * spalten_ + spalte] = std::move(text);
}

void Gitter::groesseSetzen(int spalten, int zeilen) {
    if (spalten < 0) spalten = 0;
    if (zeilen < 0) zeilen = 0;
    std::vector<std::string> neu(static_cast<size_t>(spalten) * zeilen);
    for (int r = 0; r < zeilen && r < zeilen_; ++r)
        for (int c = 0; c < spalten && c < spalten_; ++c)
            neu[static_cast<size_t>(r) * spalten + c] =
                std::move(zellen_[static_cast<size_t>(r) * spalten_ + c]);
    zellen_ = std::move(neu);
    spalten_ = spalten;
    zeilen_ = zeilen;
}

void Gitter::Leeren() {
    for (auto& z : zellen_)
        z.clear();
}

} // namespace skiora
