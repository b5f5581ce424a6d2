// Reading the database of libgeonames into an Ortsverzeichnis, with the German
// names of its own gettext catalogue.
#include "Ortsverzeichnis.h"

#include "core/Datei.h"

#include <geonames/geonames.h>

#include <cstring>
#include <future>
#include <mutex>
#include <unordered_map>

namespace skiora::site {

namespace {

// The German catalogue of libgeonames: city names by geonames id, regions by
// "CC.code", countries by "CC". Read directly, so that the program's language
// and not the desktop's decides the names.
constexpr const char* DeutscherKatalog = "/usr/share/locale/de/LC_MESSAGES/geonames.mo";

using Katalog = std::unordered_map<std::string, std::string>;

std::uint32_t Wort(const std::string& d, std::size_t pos, bool umgedreht) {
    std::uint32_t w = 0;
    std::memcpy(&w, d.data() + pos, 4);
    return umgedreht ? __builtin_bswap32(w) : w;
}

// A gettext catalogue (.mo): a table of original strings and one of their
// translations. Anything that does not add up gives an empty catalogue.
Katalog KatalogLesen(const std::string& pfad) {
    Katalog k;
    // The catalogue is about 260 KB; the bound is read into memory at once.
    const auto gelesen = datei::BegrenztLesen(pfad, 2u << 20, 2);
    const std::string& d = gelesen.inhalt;
    if (!gelesen.ergebnis || gelesen.zuGross || d.size() < 28) return k;
    const std::uint32_t magie = Wort(d, 0, false);
    const bool umgedreht = magie == 0xde120495;
    if (!umgedreht && magie != 0x950412de) return k;
    const std::uint32_t n = Wort(d, 8, umgedreht), orig = Wort(d, 12, umgedreht),
                        uebers = Wort(d, 16, umgedreht);
    auto text = [&](std::uint32_t tabelle, std::uint32_t i, std::string& aus) {
        const std::size_t eintrag = std::size_t{tabelle} + 8u * i;
        if (eintrag + 8 > d.size()) return false;
        const std::uint32_t laenge = Wort(d, eintrag, umgedreht);
        const std::uint32_t pos = Wort(d, eintrag + 4, umgedreht);
        if (std::size_t{pos} + laenge > d.size()) return false;
        aus.assign(d, pos, laenge);
        return true;
    };
    k.reserve(n);
    for (std::uint32_t i = 0; i < n; ++i) {
        std::string von, nach;
        if (!text(orig, i, von) || !text(uebers, i, nach)) return {};
        if (!von.empty() && !nach.empty()) k.emplace(std::move(von), std::move(nach));
    }
    return k;
}

std::string Deutsch(const Katalog& k, const std::string& schluessel, const std::string& englisch) {
    const auto it = k.find(schluessel);
    return it == k.end() || it->second == englisch ? std::string() : it->second;
}

std::string Text(const gchar* t) {
    return t ? std::string(t) : std::string();
}

std::vector<Ort> AusGeonames() {
    const Katalog de = KatalogLesen(DeutscherKatalog);
    std::vector<Ort> orte;
    const int n = geonames_get_n_cities();
    orte.reserve(static_cast<std::size_t>(std::max(n, 0)));
    for (int i = 0; i < n; ++i) {
        GeonamesCity* c = geonames_get_city(i);
        if (!c) continue;
        Ort o;
        // The record (id, name, region code, region, country code, country,
        // time zone, population, latitude, longitude) read as it is stored:
        // the getters translate by the desktop's locale.
        if (g_variant_is_of_type(c, G_VARIANT_TYPE("(sssssssudd)"))) {
            const gchar *id, *name, *rcode, *region, *cc, *land, *zone;
            guint32 einwohner;
            gdouble breite, laenge;
            g_variant_get(c, "(&s&s&s&s&s&s&sudd)", &id, &name, &rcode, &region, &cc, &land, &zone,
                          &einwohner, &breite, &laenge);
            o.name = Text(name);
            o.region = Text(region);
            o.land = Text(land);
            o.zeitzone = Text(zone);
            o.einwohner = einwohner;
            o.breite = breite;
            o.laenge = laenge;
            o.nameDe = Deutsch(de, Text(id), o.name);
            o.regionDe = Deutsch(de, Text(cc) + "." + Text(rcode), o.region);
            o.landDe = Deutsch(de, Text(cc), o.land);
        } else {
            o.name = Text(geonames_city_get_name(c));
            o.region = Text(geonames_city_get_state(c));
            o.land = Text(geonames_city_get_country(c));
            o.zeitzone = Text(geonames_city_get_timezone(c));
            o.einwohner = geonames_city_get_population(c);
            o.breite = geonames_city_get_latitude(c);
            o.laenge = geonames_city_get_longitude(c);
        }
        geonames_city_free(c);
        if (!o.name.empty()) orte.push_back(std::move(o));
    }
    return orte;
}

std::once_flag gestartet;
std::shared_future<std::shared_ptr<const Ortsverzeichnis>> datenbank;

} // namespace

void Ortsverzeichnis::Vorbereiten() {
    std::call_once(gestartet, [] {
        datenbank = std::async(std::launch::async, [] {
                        return std::shared_ptr<const Ortsverzeichnis>(
                            std::make_shared<Ortsverzeichnis>(AusGeonames()));
                    }).share();
    });
}

bool Ortsverzeichnis::Bereit() {
    Vorbereiten();
    return datenbank.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

const Ortsverzeichnis& Ortsverzeichnis::Datenbank() {
    Vorbereiten();
    return *datenbank.get();
}

} // namespace skiora::site
