#include "HpglToDxf.h"

#include "Format.h"
#include "core/Datei.h"
#include "lang/Texte.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <istream>
#include <iterator>
#include <ostream>

namespace skiora::export_ {

namespace {

constexpr double Grad = 180.0 / 3.14159265358979323846;
constexpr int ETX = 3;

bool Ist(const std::string& s, const char* a) {
    return s == a;
}

std::string Getrimmt(const std::string& s, bool hinten) {
    const char* weg = "\x03\n\r ;";
    size_t a = s.find_first_not_of(weg);
    if (a == std::string::npos) return "";
    size_t b = hinten ? s.find_last_not_of(weg) : s.size() - 1;
    return s.substr(a, b - a + 1);
}

} // namespace

// State of one conversion; the modes that outlive it sit in the converter.
struct HpglToDxfWandler::Lauf {
    HpglToDxfWandler& w;
    Melder* melder;
    double f, unit;
    // The drawing, each line ended by CR LF: the rewrite of a converted drawing
    // at once, since no line holds a line break of its own (labels lose theirs).
    std::string out;
    std::string cmd, par;
    std::string layer = "0", ltyp = "CONTINUOUS";
    std::string penX, penY, zielX, zielY;
    std::string breite, textHoehe, textBreite = "0.7", textWinkel = "0.0", textNeigung = "0.0";
    bool clip = false;
    double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    std::string xminT, xmaxT, yminT, ymaxT;
    bool polyOffen = false, zahlFehler = false, geschrieben = false;
    int budget = 255;

    Lauf(HpglToDxfWandler& wandler, Melder* m, double faktor, double u)
        : w(wandler), melder(m), f(faktor), unit(u) {
        zielX = Fest(8, 2, 16440 / unit);
        zielY = Fest(8, 2, 11500 / unit);
        // Zero for the factor 1 of the export: "%6.1E" writes 0.0E+00.
        breite = Exponent(6, (6 * f - 6) / unit);
        textHoehe = Fest(10, 4, 2.7 / (unit / 40));
    }

    void Z(std::string_view s) {
        out += s;
        out += "\r\n";
    }
    void Log(const std::string& s) { w.ConversionLog.push_back(s); }

    // --- number reading ---
    bool Lies(std::string& ziel, double teiler) {
        if (zahlFehler) return false;
        size_t i = par.find_first_not_of(" ,;");
        par.erase(0, i == std::string::npos ? par.size() : i);
        size_t n = par.find_first_not_of("+-.0123456789");
        if (n == std::string::npos) n = par.size();
        if (n == 0) {
            Log("Error in HPGL-command:" + cmd + " " + par + ";");
            size_t k = par.find_first_of("-.0123456789");
            par.erase(0, k == std::string::npos ? par.size() : k);
            zahlFehler = true;
            return false;
        }
        std::string text = par.substr(0, n);
        par.erase(0, n);
        if (teiler != 1) {
            double v;
            if (!AlsZahl(text, v)) {
                v = -1.0;
                Log("Fehler in: " + cmd + " " + text + par + "; weil:" + text + " keine Zahl ist.");
            }
            text = Fest(10, 4, v / teiler);
        }
        ziel = OhneFuehrende(text, " ;");
        return true;
    }
    // Also drops leading separators, which every reading skips anyway: a run
    // of them then costs once, not again at every character of a long command.
    bool RestDa() {
        const size_t i = par.find_first_not_of(" ,;");
        par.erase(0, i == std::string::npos ? par.size() : i);
        return !par.empty();
    }

    static double Wert(const std::string& s) {
        double v = 0;
        std::string t = OhneFuehrende(s, " ");
        return AlsZahl(t, v) ? v : 0;
    }
    std::string Relativ(const std::string& basis, const std::string& d, char achse) {
        double a = 0, b = 0;
        if (!AlsZahl(OhneFuehrende(basis, " "), a))
            Log(basis + "=" + achse + " hat keinen Zahlenwert");
        if (!AlsZahl(OhneFuehrende(d, " "), b)) Log(d + "=" + achse + " hat keinen Zahlenwert");
        return Fest(11, 5, a + b);
    }
    void PenGesetzt() {
        if (penX.empty()) penX = "0.0";
        if (penY.empty()) penY = "0.0";
    }

    // --- entities ---
    void Kopf(const char* gruppe40) {
        Z("POLYLINE"), Z("  8"), Z("L_" + layer), Z(" 62"), Z(layer), Z("  6"), Z(ltyp);
        Z(" 66"), Z("1"), Z(gruppe40), Z(breite), Z(" 41 "), Z(breite), Z("  0");
    }
    void Vertex(const std::string& x, const std::string& y) {
        Z("VERTEX"), Z("  8"), Z("L_" + layer), Z(" 62"), Z(layer), Z("  6"), Z(ltyp);
        Z(" 10"), Z(x), Z(" 20"), Z(y), Z("0");
    }
    void Seqend() {
        if (!polyOffen) return;
        Z("SEQEND"), Z("  8"), Z("L_" + layer), Z("  0");
        polyOffen = false;
    }
    void Strecke(const std::string& x1, const std::string& y1, const std::string& x2,
                 const std::string& y2) {
        if (!polyOffen) {
            Kopf(" 40 ");
            Vertex(x1, y1);
            polyOffen = true;
        }
        Vertex(x2, y2);
    }

    // --- clipping ---
    int Klasse(const std::string& xs, const std::string& ys) {
        double x, y;
        if (!AlsZahl(OhneFuehrende(xs, " "), x)) {
            Log(xs + " : kein reeller x-Wert!");
            return 0;
        }
        if (!AlsZahl(OhneFuehrende(ys, " "), y)) {
            Log(ys + " : kein reeller y-Wert!");
            return 0;
        }
        if (x < xmin) return 1;
        if (x > xmax) return 2;
        if (y < ymin) return 3;
        if (y > ymax) return 4;
        return 0;
    }
    // Moves the outside end (ax, ay) of a segment onto the border it crosses.
    void AufRand(int klasse, const std::string& ix, const std::string& iy, std::string& ax,
                 std::string& ay) {
        double x1 = Wert(ix), y1 = Wert(iy), x2 = Wert(ax), y2 = Wert(ay);
        if (klasse == 1 || klasse == 2) {
            const std::string& rand = klasse == 1 ? xminT : xmaxT;
            double xr = Wert(rand);
            ay = Fest(11, 4, y1 + (y2 - y1) * (xr - x1) / (x2 - x1));
            ax = rand;
        } else {
            const std::string& rand = klasse == 3 ? yminT : ymaxT;
            double yr = Wert(rand);
            ax = Fest(11, 4, x1 + (x2 - x1) * (yr - y1) / (y2 - y1));
            ay = rand;
        }
    }
    void Segment() {
        if (!clip) return Strecke(penX, penY, zielX, zielY);
        int a = Klasse(penX, penY), b = Klasse(zielX, zielY);
        if (a == 0 && b == 0) return Strecke(penX, penY, zielX, zielY);
        if (a != 0 && b != 0) return; // both outside: dropped, even when it crosses
        std::string px = penX, py = penY, zx = zielX, zy = zielY;
        if (a == 0) {
            AufRand(b, px, py, zx, zy);
            Strecke(px, py, zx, zy);
            Seqend();
        } else {
            AufRand(a, zx, zy, px, py);
            Seqend();
            Strecke(px, py, zx, zy);
        }
    }

    // --- pairs ---
    bool LiesPaar(std::string& x, std::string& y) {
        x = zielX, y = zielY;
        return Lies(x, unit) && Lies(y, unit);
    }
    void Linien(bool relativ) {
        if (penX.empty()) {
            std::string x, y;
            if (!RestDa() || budget <= 0 || !LiesPaar(x, y)) return;
            --budget;
            if (relativ) {
                penX = Relativ(zielX, x, 'x'), penY = Relativ(zielY, y, 'y');
            } else {
                penX = x, penY = y;
            }
            zielX = penX, zielY = penY;
        }
        while (RestDa() && budget > 0) {
            std::string x, y;
            if (!LiesPaar(x, y)) break;
            --budget;
            if (relativ) x = Relativ(penX, x, 'x'), y = Relativ(penY, y, 'y');
            zielX = x, zielY = y;
            Segment();
            penX = zielX, penY = zielY;
        }
    }
    void Bewegen(bool relativ) {
        while (RestDa() && budget > 0) {
            std::string x, y;
            if (!LiesPaar(x, y)) break;
            --budget;
            if (relativ) {
                x = Relativ(penX.empty() ? zielX : penX, x, 'x');
                y = Relativ(penY.empty() ? zielY : penY, y, 'y');
            }
            penX = zielX = x, penY = zielY = y;
        }
    }

    // --- commands ---
    void Ausfuehren();
    void Stift();
    void Rechteck(bool relativ);
    void Bogen(bool relativ);
    void Text();
    void Fenster();
};

// The pen number becomes the layer name and the DXF colour (group 62), which
// holds 0..255; a pen beyond that, or no whole number, keeps the current pen.
void HpglToDxfWandler::Lauf::Stift() {
    if (par.empty()) {
        layer = "0";
        return;
    }
    std::string n;
    double v = -1;
    if (Lies(n, 1) && AlsZahl(n, v) && v >= 0 && v <= 255 && v == std::floor(v)) {
        layer = std::to_string(static_cast<int>(v));
        return;
    }
    Log("Fehler im Befehl SP :" + n + par + "! Stift " + layer + " bleibt.");
}

void HpglToDxfWandler::Lauf::Rechteck(bool relativ) {
    Seqend();
    PenGesetzt();
    std::string x = zielX, y = zielY;
    if (!Lies(x, unit) || !Lies(y, unit)) return;
    if (relativ) x = Relativ(penX, x, 'x'), y = Relativ(penY, y, 'y');
    Kopf(" 40");
    Vertex(penX, penY), Vertex(x, penY), Vertex(x, y), Vertex(penX, y), Vertex(penX, penY);
    polyOffen = true;
    Seqend();
}

void HpglToDxfWandler::Lauf::Bogen(bool relativ) {
    Seqend();
    geschrieben = true;
    PenGesetzt();
    std::string x = zielX, y = zielY, a;
    if (!Lies(x, unit) || !Lies(y, unit)) return;
    if (relativ) x = Relativ(penX, x, 'x'), y = Relativ(penY, y, 'y');
    Lies(a, 1);
    double winkel = 0;
    if (!AlsZahl(a, winkel)) Log("Fehler bei der Konvertierung des Bogenwinkels.");
    const double cx = Wert(x), cy = Wert(y), px = Wert(penX), py = Wert(penY);
    const double dx = cx - px, dy = cy - py;
    const double r = std::sqrt(dx * dx + dy * dy);
    double theta;
    if (std::fabs(dx) < 0.0001)
        theta = dy > 0 ? 90 : -90;
    else
        theta = std::atan(dy / dx) * Grad + (dx < 0 ? 180 : 0);
    const double phi = theta <= 180 ? theta + 180 : theta - 180;
    const double start = winkel > 0 ? phi : phi + winkel;
    const double ende = winkel > 0 ? phi + winkel : phi;
    Z("ARC"), Z("  8"), Z("L_" + layer), Z(" 62"), Z(layer), Z(" 10"), Z(x), Z(" 20"), Z(y);
    Z(" 40 "), Z(Fest(10, 4, r)), Z(" 50"), Z(Fest(7, 2, start)), Z(" 51"), Z(Fest(7, 2, ende));
    Z("0");
    penX = Fest(11, 5, cx + r * std::cos((phi + winkel) / Grad));
    penY = Fest(11, 5, cy + r * std::sin((phi + winkel) / Grad));
}

void HpglToDxfWandler::Lauf::Text() {
    Seqend();
    PenGesetzt();
    std::string text = par;
    if (text == "^") text = "^ ";
    // A line break would split the entity when the file is rewritten.
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    Z("TEXT"), Z("  8"), Z("L_" + layer), Z(" 62"), Z(layer), Z(" 10"), Z(penX), Z(" 20");
    Z(penY), Z(" 40"), Z(textHoehe), Z(" 41"), Z(textBreite), Z("  1"), Z(text), Z(" 50");
    Z(textWinkel), Z(" 51"), Z(textNeigung), Z("  7"), Z(w.alternativ ? "STYLE1" : "STANDARD");
    Z("  0");
    geschrieben = true;
}

void HpglToDxfWandler::Lauf::Fenster() {
    std::string t[4];
    bool ok = !par.empty();
    for (auto& s : t)
        ok = ok && Lies(s, unit);
    if (!ok) {
        t[2] = OhneFuehrende(Fest(10, 4, 16400 / unit), " ");
        t[3] = OhneFuehrende(Fest(10, 4, 11480 / unit), " ");
        t[0] = t[1] = "0.0000";
    }
    xminT = t[0], yminT = t[1], xmaxT = t[2], ymaxT = t[3];
    xmin = Wert(xminT), ymin = Wert(yminT), xmax = Wert(xmaxT), ymax = Wert(ymaxT);
    if (xmin > xmax) std::swap(xmin, xmax), std::swap(xminT, xmaxT);
    if (ymin > ymax) std::swap(ymin, ymax), std::swap(yminT, ymaxT);
    clip = xmin != xmax;
}

void HpglToDxfWandler::Lauf::Ausfuehren() {
    if (Ist(cmd, "PD")) {
        w.stiftUnten = true;
        geschrieben = true;
        Linien(!w.absolut);
    } else if (Ist(cmd, "PU")) {
        Seqend();
        w.stiftUnten = false;
        geschrieben = true;
        Bewegen(!w.absolut);
    } else if (Ist(cmd, "PA")) {
        w.absolut = true;
        if (w.stiftUnten) {
            geschrieben = true;
            Linien(false);
        } else {
            Bewegen(false);
        }
    } else if (Ist(cmd, "PR")) {
        w.absolut = false;
        w.stiftUnten = true;
        geschrieben = true;
        Linien(true);
    } else if (Ist(cmd, "SP")) {
        Stift();
        geschrieben = true;
        Seqend();
    } else if (Ist(cmd, "LT")) {
        ltyp = par == "1"                 ? "DOT"
               : par == "2" || par == "3" ? "DASHED"
               : par == "4"               ? "DASHDOT"
                                          : "CONTINUOUS";
    } else if (Ist(cmd, "EA") || Ist(cmd, "ER")) {
        Rechteck(Ist(cmd, "ER"));
    } else if (Ist(cmd, "CI")) {
        Seqend();
        geschrieben = true;
        PenGesetzt();
        std::string r = "0";
        Lies(r, unit);
        Z("CIRCLE"), Z("  8"), Z("L_" + layer), Z(" 62"), Z(layer), Z(" 10"), Z(penX), Z(" 20");
        Z(penY), Z(" 40"), Z(r), Z("0");
    } else if (Ist(cmd, "AA") || Ist(cmd, "AR")) {
        Bogen(Ist(cmd, "AR"));
    } else if (Ist(cmd, "SI")) {
        geschrieben = true;
        if (par.empty()) {
            textBreite = "0.7";
            textHoehe = Fest(10, 4, 2.7 / (unit / 40));
        } else {
            std::string bs, hs;
            double b, h;
            if (Lies(bs, 1) && Lies(hs, 1) && AlsZahl(bs, b) && AlsZahl(hs, h)) {
                const double hoehe = h * 400 / unit;
                textHoehe = Fest(6, 2, hoehe);
                // A zero height would give an infinite width factor.
                if (hoehe != 0) textBreite = Fest(6, 2, b * 400 * 1.4 / unit / hoehe);
            }
        }
    } else if (Ist(cmd, "DI")) {
        if (par.empty()) {
            textWinkel = "0.0";
        } else {
            std::string lauf, anstieg;
            double a = 0, b = 0;
            // Both are read, in this order, whatever the first gives.
            const bool laufGelesen = Lies(lauf, 1);
            const bool anstiegGelesen = Lies(anstieg, 1);
            const bool laufZahl = AlsZahl(lauf, a);
            const bool anstiegZahl = AlsZahl(anstieg, b);
            const bool ok = laufGelesen && anstiegGelesen && laufZahl && anstiegZahl;
            if (!ok) {
                Log("Fehler bei der Angabe der Schriftrichtung: " + lauf + ";" + anstieg);
                textWinkel = Fest(5, 1, a);
            } else {
                textWinkel = Fest(5, 1, a == 0 ? 0 : std::atan(b / a) * Grad);
            }
        }
    } else if (Ist(cmd, "SL")) {
        double t;
        if (par.empty())
            textNeigung = "0.0";
        else if (AlsZahl(par, t))
            textNeigung = Fest(5, 1, std::atan(t) * Grad);
        else
            Log("Fehler im Befehl SL :" + par + "!");
    } else if (Ist(cmd, "LB")) {
        Text();
    } else if (Ist(cmd, "IW")) {
        Fenster();
    } else if (Ist(cmd, "SA")) {
        w.alternativ = true;
    } else if (Ist(cmd, "SS")) {
        w.alternativ = false;
    } else if (Ist(cmd, "IN")) {
        w.absolut = true;
        penX = penY = zielX = zielY = "0.00";
        w.alternativ = false;
    } else if (Ist(cmd, "VS")) {
    } else if (Ist(cmd, "PW")) {
        // Without a usable width the groups 40 and 41 would be empty, which
        // readers refuse: zero width instead.
        breite = Exponent(6, 0);
        if (f > 1 && !par.empty()) breite = par == "0" ? "0" : Exponent(6, (6 * f - 6) / unit);
        Log("Command PW (=Penwidth) only supported by HPGL2.");
    } else {
        Log("Command: " + cmd + "; not supported!");
        Seqend();
    }
}

DxfStatus HpglToDxfWandler::Konvertiere(std::istream& hpgl, std::ostream& dxf, double stiftFaktor,
                                        double unit, Melder* melder) {
    const std::string text{std::istreambuf_iterator<char>(hpgl), {}};
    std::string zeichnung;
    const DxfStatus st = Konvertiere(text, zeichnung, stiftFaktor, unit, melder);
    dxf << zeichnung;
    return st;
}

DxfStatus HpglToDxfWandler::Konvertiere(std::string_view hpgl, std::string& dxf, double stiftFaktor,
                                        double unit, Melder* melder) {
    ConversionLog.clear();
    dxf.clear();
    Lauf l(*this, melder, stiftFaktor, unit > 0 ? unit : 1.0);
    // A long plot gets room for the largest drawing it can give (a corner
    // command of six bytes gives some 380), so the drawing is never copied
    // while it grows; pages not written to cost no memory.
    if (hpgl.size() > size_t{1} << 16)
        l.out.reserve(std::min<size_t>(hpgl.size(), size_t{4} << 20) * 64);
    size_t pos = 0;
    auto naechstes = [&]() -> int {
        return pos < hpgl.size() ? static_cast<unsigned char>(hpgl[pos++]) : EOF;
    };
    int c = naechstes();
    while (c != EOF && c <= 64)
        c = naechstes();
    if (c == EOF) return DxfStatus::KeinHpgl;

    // Header, tables, blocks and the start of the entities.
    for (const char* s : {"0", "SECTION", "  2", "HEADER", "  9", "$ACADVER", "  1", "AC1006",
                          "  9", "$EXTMIN", " 10", "0.000", " 20", "0", "  9", "$EXTMAX", " 10"})
        l.Z(s);
    l.Z(Fest(8, 2, 16440 / l.unit)), l.Z(" 20"), l.Z(Fest(8, 2, 11500 / l.unit));
    for (const char* s : {"  9", "$LTSCALE", " 40", "0.0005", "  0", "ENDSEC", "  0", "SECTION",
                          "  2", "TABLES", "  0", "TABLE", "  2", "LTYPE", " 70", "     4", "  0"})
        l.Z(s);
    struct Linientyp {
        const char *name, *text, *anzahl, *laenge;
        std::vector<const char*> elemente;
    };
    const Linientyp typen[] = {
        {"CONTINUOUS", "Solid line", "0", "0.0", {}},
        {"DASHED", "- - - - - - ", "2", "0.000001", {"0.000001", "-0.000000"}},
        {"DASHDOT",
         "- . - . - . - . ",
         "4",
         "0.000004",
         {"0.000002", "-0.000001", "0.00000", "-0.000001"}},
        {"DOT", ". . . .  ", "2", "0.000001", {"0.00000", "-0.000001"}},
    };
    for (const auto& t : typen) {
        for (const char* s : {"LTYPE", "  2", t.name, " 70", "64", "  3", t.text, " 72", "65",
                              " 73", t.anzahl, " 40", t.laenge})
            l.Z(s);
        for (const char* e : t.elemente)
            l.Z(" 49"), l.Z(e);
        l.Z("  0");
    }
    // The count says nine although ten layers follow; readers take the entries.
    for (const char* s : {"ENDTAB", "  0", "TABLE", "  2", "LAYER", " 70", "     9", "  0"})
        l.Z(s);
    for (int n = 1; n <= 10; ++n) {
        const std::string nr = std::to_string(n);
        for (const std::string& s :
             {std::string("LAYER"), std::string(" 70"), std::string("64"), std::string("  2"),
              "L_" + nr, std::string(" 62"), nr, std::string("  6"), std::string("CONTINUOUS"),
              std::string("  0")})
            l.Z(s);
    }
    for (const char* s : {"ENDTAB", "  0", "TABLE", "  2", "STYLE", " 70", "2", "  0"})
        l.Z(s);
    for (const char* stil : {"STANDARD", "STYLE1"}) {
        for (const char* s : {"STYLE", "  2", stil, " 70", "0", " 40", "0.0", " 41"})
            l.Z(s);
        l.Z(Ist(stil, "STANDARD") ? "1.00" : "1.0");
        for (const char* s :
             {" 50", "0.0", " 71", "0", " 42", "2.0", "  3", "txt", "  4", " ", "  0"})
            l.Z(s);
    }
    for (const char* s : {"ENDTAB", "  0", "ENDSEC", "  0", "SECTION", "  2", "BLOCKS", "  0",
                          "ENDSEC", "0", "SECTION", "2", "ENTITIES", "0"})
        l.Z(s);

    while (c != EOF) {
        l.cmd.assign(1, static_cast<char>(c));
        int c2 = naechstes();
        if (c2 != EOF) l.cmd += static_cast<char>(c2);
        l.par.clear();
        const bool lb = Ist(l.cmd, "LB");
        const bool portionen = Ist(l.cmd, "PD") || Ist(l.cmd, "PA") || Ist(l.cmd, "PU");
        c = c2 == EOF ? EOF : naechstes();
        while (c != EOF && c != ETX && (lb || (c != '\r' && c != ';'))) {
            // A command is cut to 250 characters below, so nothing beyond 253
            // is kept: a long command costs neither memory nor time.
            if (lb || l.par.size() <= 252) {
                l.par += static_cast<char>(c);
                if (portionen && l.par.size() > 230) {
                    // Long coordinate runs are converted while they are read.
                    l.budget = 9;
                    l.Ausfuehren();
                }
            }
            c = naechstes();
        }
        if (l.par.size() > 252 && !lb) {
            l.par.resize(250);
            if (melder)
                melder->Zeige(l.cmd + l.par + "...: Befehl ist zu lang und wird gekürzt!",
                              lang::TitelText(sprache, lang::Titel::Fehler), Symbol::Frage);
        }
        l.par = Getrimmt(l.par, !(lb && l.par.size() > 252));
        l.budget = 255;
        l.Ausfuehren();
        while (c != EOF && c < 65)
            c = naechstes();
        l.zahlFehler = false;
    }
    l.Seqend();
    l.Z("ENDSEC"), l.Z("  0"), l.Z("EOF");

    if (!l.geschrieben) {
        // Not rewritten: lines as first written, ended by CR alone.
        l.out.erase(std::remove(l.out.begin(), l.out.end(), '\n'), l.out.end());
        dxf = std::move(l.out);
        return DxfStatus::NichtsKonvertiert;
    }
    // The code pages of the plot and the drawing are the same here (our plots
    // are ASCII), so the bytes stay.
    dxf = std::move(l.out);
    return DxfStatus::Gespeichert;
}

std::string OhneVerzeichnis(const std::string& pfad) {
    size_t i = pfad.find_last_of("/\\");
    return i == std::string::npos ? pfad : pfad.substr(i + 1);
}

DxfStatus HpglToDxf(std::string_view hpgl, const std::string& dxfDatei, double stiftFaktor,
                    double unit, Melder& melder, int sprache, HpglToDxfWandler& wandler) {
    wandler.sprache = sprache;
    std::string zeichnung;
    const DxfStatus st = wandler.Konvertiere(hpgl, zeichnung, stiftFaktor, unit, &melder);
    // The plot has no file of its own: the messages name the drawing's.
    const std::string name = OhneVerzeichnis(dxfDatei);
    if (st == DxfStatus::KeinHpgl) {
        wandler.ConversionLog.push_back(name + " ist kein HPGL-File!");
        melder.Zeige("   File " + name + lang::Meldung(sprache, 45),
                     lang::TitelText(sprache, lang::Titel::Warnung), Symbol::Warnung);
        return st;
    }
    if (st == DxfStatus::NichtsKonvertiert) {
        // A drawing without anything in it must not replace the user's file.
        melder.Zeige("File " + name + lang::Meldung(sprache, 45),
                     lang::TitelText(sprache, lang::Titel::Fehler), Symbol::Warnung);
        return st;
    }
    const auto r = datei::SicherSchreiben(dxfDatei, zeichnung, sprache);
    if (!r) {
        melder.Zeige(r.meldung, lang::TitelText(sprache, lang::Titel::Fehler), Symbol::Fehler);
        return DxfStatus::SchreibFehler;
    }
    melder.Zeige("\r       File " + name + lang::Meldung(sprache, 38),
                 lang::TitelText(sprache, lang::Titel::Info), Symbol::Info);
    return st;
}

} // namespace skiora::export_
