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
#include <limits>
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

fs::path Ablegen(const std::string& name, const std::string& inhalt) {
    const fs::path p = Ordner() / name;
    EXPECT_TRUE(datei::SicherSchreiben(p.string(), inhalt, 2));
    return p;
}

bool Hat(const char* programm) {
    return std::system(("command -v " + std::string(programm) + " >/dev/null 2>&1").c_str()) == 0;
}

struct Mitte {
    double x, y;
};

// The hour points of a dial per layer in table order, in the file's unit.
std::map<std::string, std::vector<Mitte>> SollMitten(const Sonnenuhr& u, double f) {
    std::map<std::string, std::vector<Mitte>> m;
    const int n = (u.opt.StdBis - u.opt.StdVon) * u.p.Lph + 1;
    for (int k = 1; k <= n; ++k) {
        const PunktZeit& p = u.erg.StundenPunkte[static_cast<std::size_t>(k)];
        m[(k - 1) % u.p.Lph == 0 ? "HOUR_POINTS" : "PART_HOURS"].push_back({p.x * f, p.y * f});
    }
    return m;
}

// --- SVG ---

struct Svg {
    double breite = 0, hoehe = 0;                     // width and height attributes
    std::string einheit;                              // of width and height
    double vb[4]{};                                   // viewBox
    std::map<std::string, std::vector<Mitte>> kreise; // per group, y north again
    std::vector<Mitte> punkte; // every coordinate of a circle, polyline or polygon
};

Svg LiesSvg(const std::string& s) {
    Svg g;
    std::smatch m;
    const std::regex kopf(
        R"re(width="([0-9.]+)(mm|in)" height="([0-9.]+)(mm|in)" viewBox="([-0-9.]+) ([-0-9.]+) ([0-9.]+) ([0-9.]+)")re");
    EXPECT_TRUE(std::regex_search(s, m, kopf));
    if (m.empty()) return g;
    g.breite = std::stod(m[1]);
    g.einheit = m[2];
    EXPECT_EQ(m[4], m[2]);
    g.hoehe = std::stod(m[3]);
    for (int i = 0; i < 4; ++i)
        g.vb[i] = std::stod(m[static_cast<std::size_t>(5 + i)]);
    const std::regex gruppe(R"re(<g id="([A-Z_]+)"[^>]*>([\s\S]*?)</g>)re");
    const std::regex kreis(R"re(<circle cx="([-0-9.]+)" cy="([-0-9.]+)")re");
    const std::regex paar(R"re(([-0-9.]+),([-0-9.]+))re");
    for (auto it = std::sregex_iterator(s.begin(), s.end(), gruppe); it != std::sregex_iterator();
         ++it) {
        const std::string id = (*it)[1], inhalt = (*it)[2];
        for (auto k = std::sregex_iterator(inhalt.begin(), inhalt.end(), kreis);
             k != std::sregex_iterator(); ++k) {
            g.kreise[id].push_back({std::stod((*k)[1]), -std::stod((*k)[2])});
            g.punkte.push_back({std::stod((*k)[1]), std::stod((*k)[2])});
        }
        const std::regex punkteAttr(R"re(points="([^"]*)")re");
        for (auto z = std::sregex_iterator(inhalt.begin(), inhalt.end(), punkteAttr);
             z != std::sregex_iterator(); ++z) {
            const std::string liste = (*z)[1];
            for (auto p = std::sregex_iterator(liste.begin(), liste.end(), paar);
                 p != std::sregex_iterator(); ++p)
                g.punkte.push_back({std::stod((*p)[1]), std::stod((*p)[2])});
        }
    }
    return g;
}

// --- DXF ---

struct Entitaet {
    std::string art, ebene;
    std::multimap<int, double> zahlen;
    double Z(int code) const {
        auto it = zahlen.find(code);
        return it == zahlen.end() ? std::nan("") : it->second;
    }
};

struct Dxf {
    std::map<std::string, std::vector<double>> kopf; // header variable -> numbers
    std::map<std::string, int> ebenen;               // layer -> colour
    std::vector<Entitaet> entitaeten;
};

Dxf LiesDxf(const std::string& s) {
    std::vector<std::pair<int, std::string>> gruppen;
    std::istringstream ein(s);
    std::string code, wert;
    while (std::getline(ein, code) && std::getline(ein, wert)) {
        if (!wert.empty() && wert.back() == '\r') wert.pop_back();
        gruppen.emplace_back(std::stoi(code), wert);
    }
    Dxf d;
    std::string abschnitt, variable;
    Entitaet* e = nullptr;
    std::string ebenenName;
    for (std::size_t i = 0; i < gruppen.size(); ++i) {
        const auto& [c, w] = gruppen[i];
        if (c == 0 && w == "SECTION") {
            abschnitt = gruppen[i + 1].second;
            e = nullptr;
            continue;
        }
        if (abschnitt == "HEADER") {
            if (c == 9)
                variable = w;
            else if (c >= 10 && c <= 70)
                d.kopf[variable].push_back(std::stod(w));
        } else if (abschnitt == "TABLES") {
            if (c == 0) ebenenName.clear();
            if (c == 0 && w == "LAYER") ebenenName = "?";
            if (!ebenenName.empty() && c == 2) ebenenName = w;
            if (!ebenenName.empty() && c == 62) d.ebenen[ebenenName] = std::stoi(w);
        } else if (abschnitt == "ENTITIES") {
            if (c == 0) {
                if (w == "ENDSEC") {
                    e = nullptr;
                    continue;
                }
                d.entitaeten.push_back({w, "", {}});
                e = &d.entitaeten.back();
            } else if (e && c == 8) {
                e->ebene = w;
            } else if (e && ((c >= 10 && c <= 42) || c == 72 || c == 73)) {
                e->zahlen.emplace(c, std::stod(w));
            }
        }
    }
    return d;
}

void PruefeMitten(const std::map<std::string, std::vector<Mitte>>& ist,
                  const std::map<std::string, std::vector<Mitte>>& soll, double toleranz) {
    for (const auto& [ebene, mitten] : soll) {
        SCOPED_TRACE(ebene);
        auto it = ist.find(ebene);
        ASSERT_NE(it, ist.end());
        ASSERT_EQ(it->second.size(), mitten.size());
        for (std::size_t i = 0; i < mitten.size(); ++i) {
            EXPECT_NEAR(it->second[i].x, mitten[i].x, toleranz) << i;
            EXPECT_NEAR(it->second[i].y, mitten[i].y, toleranz) << i;
        }
    }
}

} // namespace

TEST(Fertigung, SvgCirclesOnTheHourTableInAWellFormedTrueSizeFile) {
    for (const auto& [name, uhr] : test::VierUhren()) {
        SCOPED_TRACE(name);
        for (Einheit e : {Einheit::Millimeter, Einheit::Zoll}) {
            const modell::Modell m = modell::DialModell(*uhr, export_::StandardVorgaben(e));
            const std::string text = export_::FertigungSvg(m, e);
            const Svg g = LiesSvg(text);
            const double f = export_::ProMeter(e);
            EXPECT_EQ(g.einheit, e == Einheit::Zoll ? "in" : "mm");
            // 0.01 mm, in the file's unit.
            PruefeMitten(g.kreise, SollMitten(*uhr, f), 0.01e-3 * f);
            // width and height are the viewBox's: one unit of the file is one
            // millimetre (inch) on the sheet.
            EXPECT_EQ(g.breite, g.vb[2]);
            EXPECT_EQ(g.hoehe, g.vb[3]);
            EXPECT_NEAR(g.vb[2], m.ausdehnung.breite() * f, 0.01);
            for (const Mitte& p : g.punkte) {
                EXPECT_GE(p.x, g.vb[0] - 1e-9);
                EXPECT_LE(p.x, g.vb[0] + g.vb[2] + 1e-9);
                EXPECT_GE(p.y, g.vb[1] - 1e-9);
                EXPECT_LE(p.y, g.vb[1] + g.vb[3] + 1e-9);
            }
            if (e == Einheit::Millimeter) Ablegen(name + ".svg", text);
        }
    }
    // Texts: UTF-8 and escaped in the SVG, the declared code page in the DXF.
    modell::Modell m;
    m.ausdehnung = {-1, -1, 1, 1};
    const modell::Text t{{0, 0}, 0.02, "Süd & <Mär>"};
    m.elemente.resize(1);
    m.elemente[0].ebene = modell::Ebene::Datumstexte;
    m.elemente[0].form = t;
    EXPECT_NE(export_::FertigungSvg(m, Einheit::Millimeter).find(">Süd &amp; &lt;Mär&gt;</text>"),
              std::string::npos);
    EXPECT_NE(export_::FertigungDxf(m, Einheit::Millimeter)
                  .find("\r\nS\xFC"
                        "d & <M\xE4r>\r\n"),
              std::string::npos);

    if (!Hat("xmllint") || !Hat("rsvg-convert")) GTEST_SKIP() << "xmllint or rsvg-convert missing";
    for (const char* name : {"default", "southern", "inclined", "split"}) {
        const fs::path svg = Ordner() / (std::string(name) + ".svg");
        EXPECT_EQ(std::system(("xmllint --noout '" + svg.string() + "'").c_str()), 0) << name;
        const fs::path png = Ordner() / (std::string(name) + ".png");
        EXPECT_EQ(std::system(("rsvg-convert -w 800 -b white -o '" + png.string() + "' '" +
                               svg.string() + "'")
                                  .c_str()),
                  0)
            << name;
        EXPECT_GT(fs::file_size(png), 5000u) << name;
    }
}

TEST(Fertigung, DxfDeclaresUnitsAndExtentsAndItsCirclesSitOnTheHourTable) {
    for (const auto& [name, uhr] : test::VierUhren()) {
        SCOPED_TRACE(name);
        for (Einheit e : {Einheit::Millimeter, Einheit::Zoll}) {
            const modell::Modell m = modell::DialModell(*uhr, export_::StandardVorgaben(e));
            const std::string text = export_::FertigungDxf(m, e);
            const Dxf d = LiesDxf(text);
            const double f = export_::ProMeter(e);
            const bool zoll = e == Einheit::Zoll;
            EXPECT_EQ(d.kopf.at("$INSUNITS"), std::vector<double>{zoll ? 1.0 : 4.0});
            EXPECT_EQ(d.kopf.at("$MEASUREMENT"), std::vector<double>{zoll ? 0.0 : 1.0});

            std::map<std::string, std::vector<Mitte>> kreise;
            constexpr double inf = std::numeric_limits<double>::infinity();
            double xmin = inf, ymin = inf, xmax = -inf, ymax = -inf;
            auto dazu = [&](double x, double y) {
                xmin = std::min(xmin, x), xmax = std::max(xmax, x);
                ymin = std::min(ymin, y), ymax = std::max(ymax, y);
            };
            for (const Entitaet& en : d.entitaeten) {
                // Every entity on a declared layer.
                EXPECT_TRUE(d.ebenen.count(en.ebene)) << en.art << " on " << en.ebene;
                if (en.art == "CIRCLE") {
                    kreise[en.ebene].push_back({en.Z(10), en.Z(20)});
                    const double r = en.Z(40);
                    dazu(en.Z(10) - r, en.Z(20) - r);
                    dazu(en.Z(10) + r, en.Z(20) + r);
                } else if (en.art == "LINE" || en.art == "LWPOLYLINE") {
                    for (int c : {10, 11}) {
                        auto xs = en.zahlen.equal_range(c);
                        auto ys = en.zahlen.equal_range(c + 10);
                        for (auto x = xs.first, y = ys.first; x != xs.second && y != ys.second;
                             ++x, ++y)
                            dazu(x->second, y->second);
                    }
                }
            }
            PruefeMitten(kreise, SollMitten(*uhr, f), 0.01e-3 * f);
            // The declared extents are the frame's, and nothing lies outside.
            const auto& lo = d.kopf.at("$EXTMIN");
            const auto& hi = d.kopf.at("$EXTMAX");
            EXPECT_NEAR(lo[0], xmin, 1e-6);
            EXPECT_NEAR(lo[1], ymin, 1e-6);
            EXPECT_NEAR(hi[0], xmax, 1e-6);
            EXPECT_NEAR(hi[1], ymax, 1e-6);
            // Each layer of the model, with its colour.
            EXPECT_EQ(d.ebenen.at("HOUR_POINTS"), 1);
            EXPECT_EQ(d.ebenen.at("FRAME"), 8);
            if (!zoll) Ablegen(name + ".dxf", text);
        }
    }
}

TEST(Fertigung, EzdxfAuditsTheFilesWithoutErrorsAndMeasuresTheSameExtents) {
    const std::string python = "/usr/bin/python3";
    if (std::system((python + " -c 'import ezdxf' 2>/dev/null").c_str()) != 0)
        GTEST_SKIP() << "python3-ezdxf missing";
    std::string dateien;
    for (const auto& [name, uhr] : test::VierUhren())
        dateien += " '" +
                   Ablegen(name + "_audit.dxf",
                           export_::FertigungDxf(modell::DialModell(*uhr), Einheit::Millimeter))
                       .string() +
                   "'";
    // ezdxf's own bounding box of the geometry against the header; one
    // interpreter for all files, it takes a while to start.
    const std::string skript =
        "import ezdxf, sys\n"
        "from ezdxf import bbox\n"
        "fehler = 0\n"
        "for p in sys.argv[1:]:\n"
        "    doc = ezdxf.readfile(p)\n"
        "    a = doc.audit()\n"
        "    for x in a.errors: print(p, x.message)\n"
        "    b = bbox.extents(doc.modelspace().query('CIRCLE LINE LWPOLYLINE ELLIPSE'))\n"
        "    lo, hi = doc.header['$EXTMIN'], doc.header['$EXTMAX']\n"
        "    ist = (b.extmin.x, b.extmin.y, b.extmax.x, b.extmax.y)\n"
        "    if a.errors or any(abs(u - v) > 1e-6 for u, v in zip(ist, (lo[0], lo[1], hi[0], "
        "hi[1]))):\n"
        "        print(p, ist, lo, hi)\n"
        "        fehler += 1\n"
        "sys.exit(fehler)\n";
    const fs::path py = Ordner() / "audit.py";
    ASSERT_TRUE(datei::SicherSchreiben(py.string(), skript, 2));
    EXPECT_EQ(std::system((python + " '" + py.string() + "'" + dateien).c_str()), 0);
}

TEST(Fertigung, ARefusedDialIsReportedAndNothingWritten) {
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

TEST(Fertigung, DxfEllipseRunsFromTheFirstToTheLastHourAlsoWhenItsMajorAxisIsNorthSouth) {
    auto vier = test::VierUhren();
    for (Sonnenuhr* uhr : {vier[0].uhr.get(), vier[1].uhr.get()}) {
        for (bool hoch : {false, true}) {
            if (hoch) {
                // A steep plane far north: the minor half axis exceeds the major one.
                uhr->p.Breit = uhr->p.Breit > 0 ? 70 : -70;
                uhr->p.Incl = 40;
                uhr->btGoClick();
                ASSERT_GT(std::abs(uhr->Klein), uhr->p.Halb);
            }
            const Dxf d =
                LiesDxf(export_::FertigungDxf(modell::DialModell(*uhr), Einheit::Millimeter));
            const auto ellipse = std::find_if(d.entitaeten.begin(), d.entitaeten.end(),
                                              [](const Entitaet& e) { return e.art == "ELLIPSE"; });
            ASSERT_NE(ellipse, d.entitaeten.end());
            const Entitaet& e = *ellipse;
            // c + M cos u + ratio (M turned left) sin u
            auto punkt = [&](double u) {
                const double mx = e.Z(11), my = e.Z(21), q = e.Z(40);
                return Mitte{e.Z(10) + mx * std::cos(u) - q * my * std::sin(u),
                             e.Z(20) + my * std::cos(u) + q * mx * std::sin(u)};
            };
            const int n = (uhr->opt.StdBis - uhr->opt.StdVon) * uhr->p.Lph + 1;
            const PunktZeit& erste = uhr->erg.StundenPunkte[1];
            const PunktZeit& letzte = uhr->erg.StundenPunkte[static_cast<std::size_t>(n)];
            // Counter-clockwise: a northern dial from evening to morning.
            const bool nord = uhr->Klein > 0;
            const Mitte a = punkt(e.Z(nord ? 42 : 41)), b = punkt(e.Z(nord ? 41 : 42));
            EXPECT_NEAR(a.x, erste.x * 1000, 1e-6) << hoch;
            EXPECT_NEAR(a.y, erste.y * 1000, 1e-6) << hoch;
            EXPECT_NEAR(b.x, letzte.x * 1000, 1e-6) << hoch;
            EXPECT_NEAR(b.y, letzte.y * 1000, 1e-6) << hoch;
            // The arc runs through the day, not round the night: its middle is
            // the hour halfway between the first and the last (13:00 for 5 to 21).
            const int mitte = (uhr->opt.StdVon + uhr->opt.StdBis) / 2;
            const PunktZeit& m = uhr->erg.StundenPunkte[static_cast<std::size_t>(
                (mitte - uhr->opt.StdVon) * uhr->p.Lph + 1)];
            const Mitte halbwegs = punkt((e.Z(41) + e.Z(42)) / 2);
            EXPECT_NEAR(halbwegs.x, m.x * 1000, 1e-6);
            EXPECT_NEAR(halbwegs.y, m.y * 1000, 1e-6);
        }
    }
}
