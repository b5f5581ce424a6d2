#include "PlotHilfe.h"

#include <sstream>

namespace skiora::export_::test {

void Berechne(Sonnenuhr& uhr, int arten) {
    uhr.Modusumschaltung();
    uhr.Abgeleitet();
    uhr.opt.Bereit = true;
    uhr.btGoClick();
    if (arten != 1) uhr.rgArtenClick(arten);
}

std::vector<Befehl> Befehle(const std::string& plot) {
    std::vector<Befehl> b;
    size_t i = 0;
    while (i < plot.size()) {
        if (plot[i] == ';') {
            ++i;
            continue;
        }
        Befehl x{plot.substr(i, 2), ""};
        i += 2;
        const size_t ende = plot.find(x.name == "LB" ? '\x03' : ';', i);
        const size_t e = ende == std::string::npos ? plot.size() : ende;
        x.par = plot.substr(i, e - i);
        i = e + (x.name == "LB" ? 1 : 0);
        b.push_back(x);
    }
    return b;
}

Anzahlen Erwartet(const std::string& plot) {
    Anzahlen a;
    bool fenster = false, offen = false;
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0, px = 0, py = 0;
    auto drin = [&](double x, double y) {
        return !fenster || (x >= x0 && x <= x1 && y >= y0 && y <= y1);
    };
    for (const auto& b : Befehle(plot)) {
        std::istringstream s(b.par);
        if (b.name == "IW") {
            s >> x0 >> y0 >> x1 >> y1;
            fenster = true;
        } else if (b.name == "PD") {
            double x, y;
            s >> x >> y;
            const bool a1 = drin(px, py), a2 = drin(x, y);
            if ((a1 || a2) && !offen) ++a.polylinien;
            offen = (a1 || a2) && a2;
            px = x, py = y;
        } else {
            offen = false;
            if (b.name == "PU") s >> px >> py;
            if (b.name == "EA") ++a.polylinien;
            if (b.name == "CI") ++a.kreise;
            if (b.name == "LB") ++a.texte;
        }
    }
    return a;
}

} // namespace skiora::export_::test
