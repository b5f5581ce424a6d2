#pragma once
// Shared by the printing tests: computed dials and a recorded page sequence.
#include "core/Sonnenuhr.h"
#include "core/Zahlen.h"
#include "draw/AufzeichnungsLeinwand.h"
#include "report/Listen.h"

#include <memory>

namespace skiora::report::test {

// A4 portrait with 5 mm margins, in 0.1 mm.
inline constexpr int HochBreite = 2000, HochHoehe = 2870;

inline std::unique_ptr<Sonnenuhr> Uhr(int arten = 1, int anzahl = 3, int mittelwert = 1) {
    auto u = std::make_unique<Sonnenuhr>();
    u->p.Arten = static_cast<std::uint8_t>(arten);
    u->p.Anzahl = static_cast<std::uint8_t>(anzahl);
    u->p.Mittelwert = static_cast<std::uint8_t>(mittelwert);
    u->Modusumschaltung();
    u->Abgeleitet();
    u->opt.Bereit = true;
    u->btGoClick();
    return u;
}

// Remembers where each new page began in the recording.
class Seiten : public SeitenFolge {
  public:
    explicit Seiten(const draw::AufzeichnungsLeinwand& lw) : lw_(lw) {}
    void NeueSeite() override { beginn.push_back(lw_.ops.size()); }
    int Breite() const override { return HochBreite; }
    int Hoehe() const override { return HochHoehe; }
    std::vector<std::size_t> beginn{0};
    // The page (0-based) an operation was recorded on.
    int SeiteVon(std::size_t op) const {
        int s = 0;
        for (std::size_t i = 1; i < beginn.size(); ++i)
            if (op >= beginn[i]) s = static_cast<int>(i);
        return s;
    }

  private:
    const draw::AufzeichnungsLeinwand& lw_;
};

} // namespace skiora::report::test
