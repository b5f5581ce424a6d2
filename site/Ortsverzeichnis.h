#pragma once
// The places the program knows by name: about 24,000 towns of the world with
// region, country, position, population and time zone, from the geonames.org
// database of libgeonames, with their German names where it has them.
// Searching folds case and accents, so "reykjavík" finds Reykjavik and
// "koln" Köln.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace skiora::site {

struct Ort {
    std::string name, region, land;       // as the database writes them (English)
    std::string nameDe, regionDe, landDe; // German, where different
    std::string zeitzone;                 // IANA name, "Europe/Berlin"
    double breite = 0;                    // degrees, north positive
    double laenge = 0;                    // degrees, east positive (as maps write it)
    std::uint32_t einwohner = 0;

    // In the language 1 (German) or 2 (English).
    const std::string& Name(int sprache) const { return Wahl(sprache, name, nameDe); }
    const std::string& Region(int sprache) const { return Wahl(sprache, region, regionDe); }
    const std::string& Land(int sprache) const { return Wahl(sprache, land, landDe); }
    // "Berlin, Deutschland": the name the program remembers.
    std::string Bezeichnung(int sprache) const;

  private:
    static const std::string& Wahl(int sprache, const std::string& en, const std::string& de) {
        return sprache != 2 && !de.empty() ? de : en;
    }
};

struct Suchergebnis {
    std::vector<const Ort*> orte; // best first, at most as many as asked for
    std::size_t gesamt = 0;       // all matches
};

class Ortsverzeichnis {
  public:
    explicit Ortsverzeichnis(std::vector<Ort> orte);
    ~Ortsverzeichnis();
    Ortsverzeichnis(const Ortsverzeichnis&) = delete;
    Ortsverzeichnis& operator=(const Ortsverzeichnis&) = delete;

    // Every word of the query starts a word of the place's names, region,
    // country or time zone. Places whose name begins with the query come
    // first, then those whose names hold every word, then the rest; within
    // each, the most populous first.
    Suchergebnis Suchen(std::string_view anfrage, std::size_t hoechstens) const;
    // Places whose name is closest to the query in spelling, for a query that
    // found nothing; one per name, the closest and then the most populous first.
    std::vector<const Ort*> Aehnliche(std::string_view anfrage, std::size_t hoechstens) const;
    std::size_t Anzahl() const { return orte_.size(); }

    // The database of libgeonames, read once per run. Vorbereiten starts the
    // reading on a thread of its own; Datenbank waits for it.
    static void Vorbereiten();
    static bool Bereit();
    static const Ortsverzeichnis& Datenbank();

  private:
    struct Schluessel;
    std::vector<Ort> orte_;
    std::vector<Schluessel> schluessel_;
};

// Lower case without accents, every run of other characters one blank:
// "São Paulo" -> "sao paulo", "Straße" -> "strasse".
std::string Falten(std::string_view utf8);

} // namespace skiora::site
