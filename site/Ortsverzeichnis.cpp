#include "Ortsverzeichnis.h"

#include <QChar>
#include <QString>

#include <algorithm>
#include <numeric>

namespace skiora::site {

namespace {

// Letters that do not fall apart into a base letter and an accent.
const char* Ersatz(char16_t c) {
    switch (c) {
    case u'ß':
        return "ss";
    case u'ø':
    case u'Ø':
        return "o";
    case u'æ':
    case u'Æ':
        return "ae";
    case u'œ':
    case u'Œ':
        return "oe";
    case u'ł':
    case u'Ł':
        return "l";
    case u'đ':
    case u'Đ':
        return "d";
    case u'þ':
    case u'Þ':
        return "th";
    case u'ı':
        return "i";
    default:
        return nullptr;
    }
}

// Words of `text` (folded, separated by single blanks) as " w1 w2 ", so that
// " " + token finds a word that starts with the token.
std::string Woerter(std::initializer_list<const std::string*> texte) {
    std::string aus = " ";
    for (const std::string* t : texte) {
        if (t->empty()) continue;
        aus += Falten(*t);
        aus += ' ';
    }
    return aus;
}

// The words of a folded query, each with a blank in front (see Woerter).
std::vector<std::string> Teile(const std::string& gefaltet) {
    std::vector<std::string> teile;
    std::size_t start = 0;
    while (start < gefaltet.size()) {
        const auto ende = gefaltet.find(' ', start);
        teile.push_back(" " + gefaltet.substr(start, ende - start));
        if (ende == std::string::npos) break;
        start = ende + 1;
    }
    return teile;
}

bool AlleWorte(const std::string& woerter, const std::vector<std::string>& teile) {
    for (const std::string& t : teile)
        if (woerter.find(t) == std::string::npos) return false;
    return true;
}

// Edits between two texts, giving up (returning grenze + 1) beyond grenze.
std::size_t Abstand(const std::string& a, const std::string& b, std::size_t grenze) {
    const std::size_t n = a.size(), m = b.size();
    if ((n > m ? n - m : m - n) > grenze) return grenze + 1;
    std::vector<std::size_t> zeile(m + 1);
    std::iota(zeile.begin(), zeile.end(), std::size_t{0});
    for (std::size_t i = 1; i <= n; ++i) {
        std::size_t diagonal = zeile[0];
        zeile[0] = i;
        std::size_t kleinste = zeile[0];
        for (std::size_t j = 1; j <= m; ++j) {
            const std::size_t oben = zeile[j];
            zeile[j] = std::min(
                {zeile[j] + 1, zeile[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = oben;
            kleinste = std::min(kleinste, zeile[j]);
        }
        if (kleinste > grenze) return grenze + 1;
    }
    return zeile[m];
}

// Most names are plain ASCII: folded without the detour through Unicode.
std::string AsciiFalten(std::string_view text) {
    std::string aus;
    aus.reserve(text.size());
    bool luecke = false;
    for (const char c : text) {
        if (c == '\'') continue;
        const bool zeichen =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!zeichen) {
            luecke = !aus.empty();
            continue;
        }
        if (luecke) aus += ' ';
        luecke = false;
        aus += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return aus;
}

} // namespace

std::string Falten(std::string_view utf8) {
    if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return (c & 0x80) == 0; }))
        return AsciiFalten(utf8);
    const QString zerlegt = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()))
                                .normalized(QString::NormalizationForm_KD);
    QString aus;
    aus.reserve(zerlegt.size());
    bool luecke = false;
    for (QChar c : zerlegt) {
        if (c.isMark() || c == u'\'' || c == u'\u2019') continue; // accents, "Xi'an"
        const char* ersatz = Ersatz(c.unicode());
        if (!ersatz && !c.isLetterOrNumber()) {
            luecke = !aus.isEmpty();
            continue;
        }
        if (luecke) aus += u' ';
        luecke = false;
        if (ersatz)
            aus += QLatin1String(ersatz);
        else
            aus += c.toLower();
    }
    return aus.toStdString();
}

std::string Ort::Bezeichnung(int sprache) const {
    const std::string& l = Land(sprache);
    return l.empty() ? Name(sprache) : Name(sprache) + ", " + l;
}

struct Ortsverzeichnis::Schluessel {
    std::string name, nameDe; // folded
    std::string namen;        // the words of both names
    std::string alles;        // and of region, country and time zone
};

Ortsverzeichnis::Ortsverzeichnis(std::vector<Ort> orte) : orte_(std::move(orte)) {
    schluessel_.reserve(orte_.size());
    for (const Ort& o : orte_) {
        Schluessel s;
        s.name = Falten(o.name);
        s.nameDe = o.nameDe.empty() ? std::string() : Falten(o.nameDe);
        s.namen = Woerter({&o.name, &o.nameDe});
        s.alles =
            s.namen + Woerter({&o.region, &o.regionDe, &o.land, &o.landDe, &o.zeitzone}).substr(1);
        schluessel_.push_back(std::move(s));
    }
}

Ortsverzeichnis::~Ortsverzeichnis() = default;

Suchergebnis Ortsverzeichnis::Suchen(std::string_view anfrage, std::size_t hoechstens) const {
    Suchergebnis erg;
    const std::string q = Falten(anfrage);
    if (q.empty()) return erg;
    const std::vector<std::string> teile = Teile(q);
    struct Treffer {
        int stufe;
        std::uint32_t einwohner;
        std::size_t index;
    };
    std::vector<Treffer> treffer;
    for (std::size_t i = 0; i < orte_.size(); ++i) {
        const Schluessel& s = schluessel_[i];
        if (!AlleWorte(s.alles, teile)) continue;
        int stufe = 2;
        if (s.name.rfind(q, 0) == 0 || (!s.nameDe.empty() && s.nameDe.rfind(q, 0) == 0))
            stufe = 0;
        else if (AlleWorte(s.namen, teile))
            stufe = 1;
        treffer.push_back({stufe, orte_[i].einwohner, i});
    }
    erg.gesamt = treffer.size();
    const auto vorn = [](const Treffer& a, const Treffer& b) {
        if (a.stufe != b.stufe) return a.stufe < b.stufe;
        if (a.einwohner != b.einwohner) return a.einwohner > b.einwohner;
        return a.index < b.index;
    };
    const std::size_t n = std::min(hoechstens, treffer.size());
    std::partial_sort(treffer.begin(), treffer.begin() + static_cast<std::ptrdiff_t>(n),
                      treffer.end(), vorn);
    for (std::size_t i = 0; i < n; ++i)
        erg.orte.push_back(&orte_[treffer[i].index]);
    return erg;
}

std::vector<const Ort*> Ortsverzeichnis::Aehnliche(std::string_view anfrage,
                                                   std::size_t hoechstens) const {
    const std::string q = Falten(anfrage);
    std::vector<const Ort*> aus;
    if (q.empty()) return aus;
    // A third of the letters may be wrong, at least two.
    const std::size_t grenze = std::max<std::size_t>(2, q.size() / 3);
    struct Kandidat {
        std::size_t abstand;
        std::uint32_t einwohner;
        std::size_t index;
    };
    std::vector<Kandidat> k;
    for (std::size_t i = 0; i < orte_.size(); ++i) {
        const Schluessel& s = schluessel_[i];
        std::size_t d = Abstand(q, s.name, grenze);
        if (!s.nameDe.empty()) d = std::min(d, Abstand(q, s.nameDe, grenze));
        if (d <= grenze) k.push_back({d, orte_[i].einwohner, i});
    }
    std::sort(k.begin(), k.end(), [](const Kandidat& a, const Kandidat& b) {
        if (a.abstand != b.abstand) return a.abstand < b.abstand;
        if (a.einwohner != b.einwohner) return a.einwohner > b.einwohner;
        return a.index < b.index;
    });
    std::vector<const std::string*> namen;
    for (const Kandidat& c : k) {
        if (aus.size() >= hoechstens) break;
        const Ort& o = orte_[c.index];
        const bool schonDa = std::any_of(namen.begin(), namen.end(),
                                         [&](const std::string* n) { return *n == o.name; });
        if (schonDa) continue;
        namen.push_back(&o.name);
        aus.push_back(&o);
    }
    return aus;
}

} // namespace skiora::site
