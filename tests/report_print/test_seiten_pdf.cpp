// The PDF of the full-size tiles read back: its content streams are
// inflated and their drawing operators followed through the page transforms,
// so a line's place is measured on the page in millimetres, not in a raster.
#include "core/Sonnenuhr.h"
#include "draw/Kacheln.h"
#include "report/qt/SeitenPdf.h"

#include <QGuiApplication>
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <regex>
#include <sstream>

namespace skiora::report {
namespace {

constexpr double MmJePunkt = 25.4 / 72;

std::string Entpacken(const std::string& z) {
    std::string aus(z.size() * 20 + 1024, '\0');
    for (int versuch = 0; versuch < 6; ++versuch) {
        uLongf n = static_cast<uLongf>(aus.size());
        const int r =
            uncompress(reinterpret_cast<Bytef*>(aus.data()), &n,
                       reinterpret_cast<const Bytef*>(z.data()), static_cast<uLong>(z.size()));
        if (r == Z_OK) return aus.substr(0, n);
        if (r != Z_BUF_ERROR) return "";
        aus.resize(aus.size() * 4);
    }
    return "";
}

// The content stream of every page, in page order.
std::vector<std::string> Seiteninhalte(const std::string& pdf) {
    std::map<int, std::string> objekte;
    const std::regex obj(R"((\d+) 0 obj)");
    for (auto it = std::sregex_iterator(pdf.begin(), pdf.end(), obj); it != std::sregex_iterator();
         ++it) {
        const size_t anfang =
            static_cast<size_t>(it->position()) + static_cast<size_t>(it->length());
        objekte[std::stoi((*it)[1])] = pdf.substr(anfang, pdf.find("endobj", anfang) - anfang);
    }
    std::smatch m;
    std::string kids;
    for (const auto& [nr, text] : objekte)
        if (std::regex_search(text, m, std::regex(R"(/Type /Pages[\s\S]*/Kids\s*\[([^\]]*)\])")))
            kids = m[1];
    std::vector<std::string> seiten;
    const std::regex ref(R"((\d+) 0 R)");
    for (auto it = std::sregex_iterator(kids.begin(), kids.end(), ref);
         it != std::sregex_iterator(); ++it) {
        const std::string& seite = objekte[std::stoi((*it)[1])];
        if (!std::regex_search(seite, m, std::regex(R"(/Contents (\d+) 0 R)"))) continue;
        const std::string& inhalt = objekte[std::stoi(m[1])];
        const size_t s = inhalt.find("stream") + 6;
        const size_t start = inhalt.find('\n', s) + 1;
        seiten.push_back(Entpacken(inhalt.substr(start, inhalt.rfind("endstream") - start)));
    }
    return seiten;
}

struct Pfad {
    std::vector<std::array<double, 2>> punkte; // on the curve, page millimetres from the top left
    bool kurve = false;
};

// Follows q/Q/cm and the path operators; `seitenHoehe` in millimetres (the
// media box: Qt writes A4 as 842 points high).
std::vector<Pfad> Pfade(const std::string& inhalt, double seitenHoehe) {
    using M = std::array<double, 6>;
    std::vector<M> stapel{{1, 0, 0, 1, 0, 0}};
    std::vector<double> zahlen;
    std::vector<Pfad> pfade;
    Pfad aktuell;
    auto abbilden = [&](double x, double y) {
        const M& c = stapel.back();
        const double px = c[0] * x + c[2] * y + c[4], py = c[1] * x + c[3] * y + c[5];
        return std::array<double, 2>{px * MmJePunkt, seitenHoehe - py * MmJePunkt};
    };
    std::istringstream ein(inhalt);
    std::string t;
    bool imText = false;
    while (ein >> t) {
        if (t == "BT") imText = true;
        if (t == "ET") imText = false;
        if (imText) {
            zahlen.clear();
            continue;
        }
        char* ende = nullptr;
        const double z = std::strtod(t.c_str(), &ende);
        if (ende && *ende == '\0' && !t.empty()) {
            zahlen.push_back(z);
            continue;
        }
        if (t == "q")
            stapel.push_back(stapel.back());
        else if (t == "Q" && stapel.size() > 1)
            stapel.pop_back();
        else if (t == "cm" && zahlen.size() >= 6) {
            const M a{zahlen[zahlen.size() - 6], zahlen[zahlen.size() - 5],
                      zahlen[zahlen.size() - 4], zahlen[zahlen.size() - 3],
                      zahlen[zahlen.size() - 2], zahlen[zahlen.size() - 1]};
            const M& b = stapel.back();
            stapel.back() = {a[0] * b[0] + a[1] * b[2],        a[0] * b[1] + a[1] * b[3],
                             a[2] * b[0] + a[3] * b[2],        a[2] * b[1] + a[3] * b[3],
                             a[4] * b[0] + a[5] * b[2] + b[4], a[4] * b[1] + a[5] * b[3] + b[5]};
        } else if (t == "m" && zahlen.size() >= 2) {
            if (!aktuell.punkte.empty()) pfade.push_back(aktuell);
            aktuell = {{abbilden(zahlen[zahlen.size() - 2], zahlen.back())}, false};
        } else if (t == "l" && zahlen.size() >= 2) {
            aktuell.punkte.push_back(abbilden(zahlen[zahlen.size() - 2], zahlen.back()));
        } else if (t == "c" && zahlen.size() >= 6) {
            aktuell.punkte.push_back(abbilden(zahlen[zahlen.size() - 2], zahlen.back()));
            aktuell.kurve = true;
        } else if (t == "S" || t == "f" || t == "B" || t == "n" || t == "W*" || t == "f*") {
            if (!aktuell.punkte.empty()) pfade.push_back(aktuell);
            aktuell = {};
        }
        zahlen.clear();
    }
    return pfade;
}

struct Kachelpdf : ::testing::Test {
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "test_seiten_pdf";
        static char* argv[] = {name, nullptr};
        static QGuiApplication app(argc, argv);
    }
};

TEST_F(Kachelpdf, StundenpunkteUndLinealeInWahrerGroesse) {
    Sonnenuhr u;
    u.p.Halb = 1;
    u.Modusumschaltung();
    u.opt.Bereit = true;
    u.btGoClick();
    const modell::Modell m = modell::DialModell(u);
    const draw::Kachelplan plan = draw::KachelnPlanen(m, {});
    const auto pdf = SeitenAlsPdf(draw::KachelSeiten(m, plan, 1, "Test"), "Test");
    ASSERT_TRUE(pdf);
    const std::vector<std::string> seiten = Seiteninhalte(*pdf);
    ASSERT_EQ(seiten.size(), plan.kacheln.size() + 1);

    int gepruefte = 0;
    for (size_t i = 0; i < plan.kacheln.size(); ++i) {
        const draw::Kachel& k = plan.kacheln[i];
        const std::vector<Pfad> pfade = Pfade(seiten[i + 1], 842 * MmJePunkt);
        // The 100 mm and the 4 in ruler: their long ticks are 3.5 mm high.
        std::vector<double> striche;
        for (const Pfad& p : pfade)
            if (p.punkte.size() == 2 && std::fabs(p.punkte[0][0] - p.punkte[1][0]) < 1e-6 &&
                std::fabs(std::fabs(p.punkte[0][1] - p.punkte[1][1]) - 3.5) < 0.05)
                striche.push_back(p.punkte[0][0]);
        std::sort(striche.begin(), striche.end());
        ASSERT_GE(striche.size(), 2u);
        EXPECT_NEAR(striche.back() - striche.front(), 101.6, 0.02) << k.name; // 4 in
        EXPECT_TRUE(std::any_of(striche.begin(), striche.end(), [&](double x) {
            return std::fabs(x - striche.front() - 100) < 0.02;
        })) << k.name;

        // Every hour point on this sheet is a circle of 20 mm at its true place.
        const draw::Abbildung a = plan.AbbildungFuer(k.spalte, k.zeile);
        for (int n = 1; n <= (u.opt.StdBis - u.opt.StdVon) * u.p.Lph + 1; ++n) {
            const PunktZeit& s = u.erg.StundenPunkte[static_cast<size_t>(n)];
            const double x = a.px(s.x) / 100, y = a.py(s.y) / 100; // millimetres on the page
            if (x < 22 || x > 188 || y < 22 || y > 245) continue;  // well inside the sheet's area
            bool gefunden = false;
            for (const Pfad& p : pfade) {
                if (!p.kurve || p.punkte.size() < 4) continue;
                double x0 = 1e9, x1 = -1e9, y0 = 1e9, y1 = -1e9;
                for (const auto& q : p.punkte) {
                    x0 = std::min(x0, q[0]), x1 = std::max(x1, q[0]);
                    y0 = std::min(y0, q[1]), y1 = std::max(y1, q[1]);
                }
                if (std::hypot((x0 + x1) / 2 - x, (y0 + y1) / 2 - y) < 0.1 &&
                    std::fabs((x1 - x0) - 20) < 0.1 && std::fabs((y1 - y0) - 20) < 0.1)
                    gefunden = true;
            }
            EXPECT_TRUE(gefunden) << k.name << " hour point " << n << " at " << x << ", " << y;
            ++gepruefte;
        }
    }
    EXPECT_GT(gepruefte, 10);
}

} // namespace
} // namespace skiora::report
