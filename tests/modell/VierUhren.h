#pragma once
// The four dials the true-size outputs are checked on: the default dial
// (analemma), a southern dial with the date scale on the minor axis, an
// inclined plane with quarter hours, and a split analemma.
#include "core/Sonnenuhr.h"

#include <memory>
#include <string>
#include <vector>

namespace skiora::test {

struct BeispielUhr {
    std::string name;
    std::unique_ptr<Sonnenuhr> uhr;
};

inline std::vector<BeispielUhr> VierUhren() {
    std::vector<BeispielUhr> v;
    auto neu = [&](const char* name, auto setzen) {
        auto u = std::make_unique<Sonnenuhr>();
        setzen(*u);
        u->Modusumschaltung();
        u->opt.Bereit = true;
        u->btGoClick();
        v.push_back({name, std::move(u)});
    };
    neu("default", [](Sonnenuhr&) {});
    neu("southern", [](Sonnenuhr& u) {
        u.p.Breit = -33.9; // Cape Town
        u.p.Lang = -18.4;
        u.p.Zone = -30;
        u.p.Arten = 0;
        u.p.Halb = 1.5;
    });
    neu("inclined", [](Sonnenuhr& u) {
        u.p.Incl = 15;
        u.p.Lph = 4;
        u.p.Anzahl = 2;
    });
    neu("split", [](Sonnenuhr& u) { u.p.Arten = 2; });
    return v;
}

} // namespace skiora::test
