// The true-size SVG and DXF read back: every hour-point circle where the hour
// table puts it, declared units and extents that match the contents, and
// what real readers (xmllint, rsvg-convert, ezdxf) say of the files.
#include "export/Fertigung.h"
#include "../modell/VierUhren.h"
#include "core/Datei.h"
#include "core/Melder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>
#include <sstream>

using namespace skiora;
using export_::Einheit;
namespace fs = std::filesystem;

namespace {

fs::path Ordner() {
    static const fs::path d = [] {
        fs::path p = fs::path(SKIORA_BINARY_DIR) / "tests" / "export" / "fertigung";
        fs::remove_all(p);
        fs::create_directories(p);
        return p;
    }();
    return d;
}

std::string Ablegen(const std::string& name, const std::string& inhalt) {
    const fs::path p = Ordner() / name;
    EXPECT_TRUE(datei::SicherSchreiben(p.string(), inhalt, 2));
    return " '" + p.string() + "'";
}

struct Pkt {
    double x, y;
};
using Kreise = std::map<std::string, std::vector<Pkt>>; // per layer, in file order

// The hour points per layer in table order, in the file's unit.
Kreise Soll(const Sonnenuhr& u, double f) {
    Kreise m;
    for (int k = 1; k <= (u.opt.StdBis - u.opt.StdVon) * u.p.Lph + 1; ++k) {
        const PunktZeit& p = u.erg.StundenPunkte[static_cast<std::size_t>(k)];
        m[(k - 1) % u.p.Lph == 0 ? "HOUR_POINTS" : "PART_HOURS"].push_back({p.x * f, p.y * f});
    }
    return m;
}

void Vergleiche(const Kreise& ist, const Kreise& soll, double toleranz) {
    for (const auto& [ebene, mitten] : soll) {
        ASSERT_EQ(ist.count(ebene) ? ist.at(ebene).size() : 0u, mitten.size()) << ebene;
        for (std::size_t i = 0; i < mitten.size(); ++i) {
            EXPECT_NEAR(ist.at(ebene)[i].x, mitten[i].x, toleranz) << ebene << i;
            EXPECT_NEAR(ist.at(ebene)[i].y, mitten[i].y, toleranz) << ebene << i;
        }
    }
}

// SVG: width and height with unit, the viewBox, circles per group (y north
// again), and the coordinates of circles and polylines.
struct Svg {
    std::smatch kopf;
    Kreise kreise;
    std::vector<Pkt> punkte;
};
Svg LiesSvg(const std::string& s) {
    Svg g;
    std::regex_search(s, g.kopf,
                      std::regex(R"re(width="([0-9.]+)(mm|in)" height="([0-9.]+)(mm|in)" )re"
                                 R"re(viewBox="([-0-9.]+) ([-0-9.]+) ([0-9.]+) ([0-9.]+)")re"));
    const std::regex gruppe(R"re(<g id="([A-Z_]+)"[^>]*>([\s\S]*?)</g>)re");
    const std::regex kreis(R"re(<circle cx="([-0-9.]+)" cy="([-0-9.]+)")re");
    const std::regex punkte(R"re(points="([^"]*)")re"), paar(R"re(([-0-9.]+),([-0-9.]+))re");
    for (std::sregex_iterator it(s.begin(), s.end(), gruppe), ende; it != ende; ++it) {
        const std::string inhalt = (*it)[2];
        for (std::sregex_iterator k(inhalt.begin(), inhalt.end(), kreis); k != ende; ++k) {
            g.kreise[(*it)[1]].push_back({std::stod((*k)[1]), -std::stod((*k)[2])});
            g.punkte.push_back({std::stod((*k)[1]), std::stod((*k)[2])});
        }
        for (std::sregex_iterator z(inhalt.begin(), inhalt.end(), punkte); z != ende; ++z) {
            const std::string l = (*z)[1];
            for (std::sregex_iterator p(l.begin(), l.end(), paar); p != ende; ++p)
                g.punkte.push_back({std::stod((*p)[1]), std::stod((*p)[2])});
        }
    }
    return g;
}

// DXF: the numbers of the header variables, the layers' colours, and the
// entities with their layer and numeric groups.
struct Entitaet {
    std::string art, ebene;
    std::multimap<int, double> z;
    double Z(int c) const { return z.count(c) ? z.find(c)->second : std::nan(""); }
};
struct Dxf {
    std::map<std::string, std::vector<double>> kopf;
    std::map<std::string, int> ebenen;
    std::vector<Entitaet> entitaeten;
};
Dxf LiesDxf(const std::string& s) {
    Dxf d;
    std::istringstream ein(s);
    std::string code, w, abschnitt, variable, ebene;
    while (std::getline(ein, code) && std::getline(ein, w)) {
        if (!w.empty() && w.back() == '\r') w.pop_back();
        const int c = std::stoi(code);
        if (c == 2 && variable == "SECTION") abschnitt = w;
        variable = c == 0 ? w : c == 9 ? w : variable;
        if (abschnitt == "HEADER" && c >= 10 && c <= 70) d.kopf[variable].push_back(std::stod(w));
        if (abschnitt == "TABLES" && variable == "LAYER" && c == 2) ebene = w;
        if (abschnitt == "TABLES" && variable == "LAYER" && c == 62) d.ebenen[ebene] = std::stoi(w);
        if (abschnitt != "ENTITIES") continue;
        if (c == 0 && w == "ENDSEC") abschnitt.clear();
        if (c == 0 && w != "ENDSEC") d.entitaeten.push_back({w, "", {}});
        if (c == 8) d.entitaeten.back().ebene = w;
        if (c >= 10 && c <= 42) d.entitaeten.back().z.emplace(c, std::stod(w));
    }
    return d;
}

} // namespace

TEST(Fertigung, BothFilesPutTheHourPointsOnTheHourTableAndDeclareUnitsAndExtents) {
    std::string dxfDateien;
    for (const auto& [name, uhr] : test::VierUhren()) {
        // Inches once: the unit is one factor for every number.
        for (Einheit e : {Einheit::Millimeter, Einheit::Zoll}) {
            if (e == Einheit::Zoll && name != "default") continue;
            SCOPED_TRACE(name + (e == Einheit::Zoll ? " in" : " mm"));
            const bool zoll = e == Einheit::Zoll;
            const double f = export_::ProMeter(e);
            const modell::Modell m = modell::DialModell(*uhr, export_::StandardVorgaben(e));

            // SVG: 0.01 mm; one unit of the file is one millimetre (inch) on the sheet.
            const std::string svg = export_::FertigungSvg(m, e);
            const Svg g = LiesSvg(svg);
            ASSERT_FALSE(g.kopf.empty());
            EXPECT_EQ(g.kopf[2], zoll ? "in" : "mm");
            EXPECT_EQ(g.kopf[1], g.kopf[7]);
            EXPECT_EQ(g.kopf[3], g.kopf[8]);
            Vergleiche(g.kreise, Soll(*uhr, f), 0.01e-3 * f);
            const double vb[4] = {std::stod(g.kopf[5]), std::stod(g.kopf[6]), std::stod(g.kopf[7]),
                                  std::stod(g.kopf[8])};
            EXPECT_NEAR(vb[2], m.ausdehnung.breite() * f, 0.01);
            const double t = 1e-9; // the sums of rounded numbers
            for (const Pkt& p : g.punkte)
                EXPECT_TRUE(p.x >= vb[0] - t && p.x <= vb[0] + vb[2] + t && p.y >= vb[1] - t &&
                            p.y <= vb[1] + vb[3] + t);

            // DXF: the units, and extents that are those of the entities.
            const std::string dxf = export_::FertigungDxf(m, e);
            const Dxf d = LiesDxf(dxf);
            EXPECT_EQ(d.kopf.at("$INSUNITS"), std::vector<double>{zoll ? 1.0 : 4.0});
            EXPECT_EQ(d.kopf.at("$MEASUREMENT"), std::vector<double>{zoll ? 0.0 : 1.0});
            Kreise kreise;
            double lo[2] = {1e300, 1e300}, hi[2] = {-1e300, -1e300};
            for (const Entitaet& en : d.entitaeten) {
                EXPECT_TRUE(d.ebenen.count(en.ebene)) << en.art << " on " << en.ebene;
                const double r = en.art == "CIRCLE" ? en.Z(40) : 0;
                if (en.art == "CIRCLE") kreise[en.ebene].push_back({en.Z(10), en.Z(20)});
                if (en.art == "TEXT" || en.art == "ELLIPSE") continue;
                for (int c : {10, 11})
                    for (auto [x, y] = std::pair{en.z.lower_bound(c), en.z.lower_bound(c + 10)};
                         x != en.z.upper_bound(c); ++x, ++y)
                        for (int i = 0; i < 2; ++i) {
                            const double v = i == 0 ? x->second : y->second;
                            lo[i] = std::min(lo[i], v - r), hi[i] = std::max(hi[i], v + r);
                        }
            }
            Vergleiche(kreise, Soll(*uhr, f), 0.01e-3 * f);
            for (int i = 0; i < 2; ++i) {
                EXPECT_NEAR(d.kopf.at("$EXTMIN")[static_cast<std::size_t>(i)], lo[i], 1e-6);
                EXPECT_NEAR(d.kopf.at("$EXTMAX")[static_cast<std::size_t>(i)], hi[i], 1e-6);
            }
            EXPECT_EQ(d.ebenen.at("HOUR_POINTS"), 1);
            if (!zoll) Ablegen(name + ".svg", svg), dxfDateien += Ablegen(name + ".dxf", dxf);
        }
    }

    if (std::system("command -v xmllint >/dev/null && command -v rsvg-convert >/dev/null") != 0)
        GTEST_SKIP() << "xmllint or rsvg-convert missing";
    for (const char* name : {"default", "southern", "inclined", "split"}) {
        const std::string svg = (Ordner() / name).string() + ".svg";
        EXPECT_EQ(std::system(("xmllint --noout '" + svg + "'").c_str()), 0) << name;
        EXPECT_EQ(std::system(("rsvg-convert -w 800 -o '" + svg + ".png' '" + svg + "'").c_str()),
                  0)
            << name;
        EXPECT_GT(fs::file_size(svg + ".png"), 5000u) << name;
    }

    // ezdxf audits the files and measures the geometry as the header says.
    const std::string python = "/usr/bin/python3";
    if (std::system((python + " -c 'import ezdxf' 2>/dev/null").c_str()) != 0)
        GTEST_SKIP() << "python3-ezdxf missing";
    const std::string skript =
        "import ezdxf, sys\n"
        "from ezdxf import bbox\n"
        "fehler = 0\n"
        "for p in sys.argv[1:]:\n"
        "    doc = ezdxf.readfile(p)\n"
        "    a = doc.audit()\n"
        "    b = bbox.extents(doc.modelspace().query('CIRCLE LINE LWPOLYLINE ELLIPSE'))\n"
        "    lo, hi = doc.header['$EXTMIN'], doc.header['$EXTMAX']\n"
        "    ist = (b.extmin.x, b.extmin.y, b.extmax.x, b.extmax.y)\n"
        "    if a.errors or any(abs(u - v) > 1e-6 for u, v in zip(ist, (lo[0], lo[1], hi[0], "
        "hi[1]))):\n"
        "        print(p, [x.message for x in a.errors], ist, lo, hi)\n"
        "        fehler += 1\n"
        "sys.exit(fehler)\n";
    EXPECT_EQ(std::system((python + Ablegen("audit.py", skript) + dxfDateien).c_str()), 0);
}

TEST(Fertigung, DxfEllipseRunsThroughTheDayAlsoWithItsMajorAxisNorthSouth) {
    auto vier = test::VierUhren();
    for (Sonnenuhr* uhr : {vier[0].uhr.get(), vier[1].uhr.get()}) {
        for (bool hoch : {false, true}) {
            if (hoch) {
                // A steep plane far north or south: the minor half axis is the longer.
                uhr->p.Breit = uhr->p.Breit > 0 ? 70 : -70;
                uhr->p.Incl = 40;
                uhr->btGoClick();
                ASSERT_GT(std::abs(uhr->Klein), uhr->p.Halb);
            }
            const Dxf d =
                LiesDxf(export_::FertigungDxf(modell::DialModell(*uhr), Einheit::Millimeter));
            const auto e = std::find_if(d.entitaeten.begin(), d.entitaeten.end(),
                                        [](const Entitaet& x) { return x.art == "ELLIPSE"; });
            ASSERT_NE(e, d.entitaeten.end());
            // centre + M cos u + ratio (M turned left) sin u
            auto punkt = [&](double u) {
                const double mx = e->Z(11), my = e->Z(21), q = e->Z(40);
                return Pkt{e->Z(10) + mx * std::cos(u) - q * my * std::sin(u),
                           e->Z(20) + my * std::cos(u) + q * mx * std::sin(u)};
            };
            // Counter-clockwise: a northern dial from the evening to the
            // morning; the middle of the arc is the middle hour (13:00 for 5
            // to 21), not midnight.
            const int von = uhr->opt.StdVon, bis = uhr->opt.StdBis, lph = uhr->p.Lph;
            const bool nord = uhr->Klein > 0;
            const std::pair<double, int> faelle[] = {
                {e->Z(nord ? 42 : 41), 1},
                {e->Z(nord ? 41 : 42), (bis - von) * lph + 1},
                {(e->Z(41) + e->Z(42)) / 2, ((von + bis) / 2 - von) * lph + 1}};
            for (const auto& [u, k] : faelle) {
                const PunktZeit& h = uhr->erg.StundenPunkte[static_cast<std::size_t>(k)];
                EXPECT_NEAR(punkt(u).x, h.x * 1000, 1e-6) << hoch << " " << k;
                EXPECT_NEAR(punkt(u).y, h.y * 1000, 1e-6) << hoch << " " << k;
            }
        }
    }
}

TEST(Fertigung, TextsEscapedAndInTheirCodePageARefusedDialReportedAndNotWritten) {
    modell::Modell m;
    m.ausdehnung = {-1, -1, 1, 1};
    m.elemente.resize(1);
    m.elemente[0].form = modell::Text{{0, 0}, 0.02, "Süd & <Mär>"};
    EXPECT_NE(export_::FertigungSvg(m, Einheit::Millimeter).find(">Süd &amp; &lt;Mär&gt;</text>"),
              std::string::npos);
    EXPECT_NE(export_::FertigungDxf(m, Einheit::Millimeter)
                  .find("\r\nS\xFC"
                        "d & <M\xE4r>\r\n"),
              std::string::npos);

    auto vier = test::VierUhren();
    Sonnenuhr& uhr = *vier[0].uhr;
    SammelMelder melder;
    uhr.setzeMelder(&melder);
    uhr.p.GnomWinkel = 3; // status 11
    uhr.btGoClick();
    melder.eintraege.clear();
    const fs::path p = Ordner() / "verweigert.svg";
    EXPECT_FALSE(export_::FertigungSpeichern(uhr, p.string(), export_::Format::Svg,
                                             Einheit::Millimeter, {}));
    ASSERT_EQ(melder.eintraege.size(), 1u);
    EXPECT_NE(melder.eintraege[0].text.find(p.string()), std::string::npos);
    EXPECT_FALSE(fs::exists(p));
}
