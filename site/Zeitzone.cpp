#include "Zeitzone.h"

#include <QDateTime>
#include <QTimeZone>

#include <algorithm>
#include <map>
#include <vector>

namespace skiora::site {

namespace {

struct Tag {
    int offset, standard, sommer; // seconds, as the database gives them at noon
};

} // namespace

bool ZoneBekannt(const std::string& iana) {
    if (iana.empty()) return false;
    return QTimeZone::isTimeZoneIdAvailable(QByteArray::fromStdString(iana));
}

double ZonenMeridian(double standardStunden) {
    double m = standardStunden == 0 ? 0.0 : -15 * standardStunden;
    if (m < -195) m += 360;
    if (m > 195) m -= 360;
    return m;
}

Zoneninfo ZoneImJahr(const std::string& iana, int jahr) {
    Zoneninfo info;
    if (!ZoneBekannt(iana)) return info;
    const QTimeZone zone(QByteArray::fromStdString(iana));
    if (!zone.isValid()) return info;
    info.gueltig = true;

    // Every day at noon: a transition at night then counts for the day it
    // starts, as for anyone reading the dial.
    const QDate neujahr(jahr, 1, 1);
    const int tage = neujahr.daysInYear();
    const int vorab = zone.standardTimeOffset(QDateTime(neujahr, QTime(12, 0), Qt::UTC));
    std::vector<Tag> jahrTage;
    jahrTage.reserve(static_cast<std::size_t>(tage));
    int kleinsteSommer = 0;
    for (int i = 0; i < tage; ++i) {
        const QDateTime mittag =
            QDateTime(neujahr.addDays(i), QTime(12, 0), Qt::UTC).addSecs(-vorab);
        const QTimeZone::OffsetData d = zone.offsetData(mittag);
        jahrTage.push_back({d.offsetFromUtc, d.standardTimeOffset, d.daylightTimeOffset});
        kleinsteSommer = std::min(kleinsteSommer, d.daylightTimeOffset);
    }
    // Standard time per day; with a negative summer time the lower clock.
    auto basis = [&](const Tag& t) { return t.standard + kleinsteSommer; };
    std::vector<bool> sommer(jahrTage.size());
    std::map<int, int> versaetze; // seconds -> days
    for (std::size_t i = 0; i < jahrTage.size(); ++i) {
        sommer[i] = jahrTage[i].offset > basis(jahrTage[i]);
        if (sommer[i]) ++versaetze[jahrTage[i].offset - basis(jahrTage[i])];
    }
    const Tag& mitte = jahrTage[jahrTage.size() / 2];
    const bool immer = std::all_of(sommer.begin(), sommer.end(), [](bool s) { return s; });
    // Summer time all year round is the zone's clock: no second set of numbers.
    info.standardStunden = (immer ? mitte.offset : basis(mitte)) / 3600.0;
    if (immer || versaetze.empty()) return info;

    info.hatSommerzeit = true;
    info.versatz = std::max_element(versaetze.begin(), versaetze.end(),
                                    [](auto& a, auto& b) { return a.second < b.second; })
                       ->first /
                   3600.0;
    std::vector<int> anfaenge, enden; // day indexes
    for (int i = 0; i < tage; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (sommer[k] && i > 0 && !sommer[k - 1]) anfaenge.push_back(i);
        if (!sommer[k] && i > 0 && sommer[k - 1]) enden.push_back(i);
    }
    int beginn = 0, ende = 0; // ende 0: summer time lasts to the end of the year
    if (!sommer.front()) {
        beginn = anfaenge.front();
        ende = sommer.back() ? 0 : enden.back();
    } else if (sommer.back()) {
        // Southern summer: from the year's start to the first end, and again
        // from the last beginning.
        ende = enden.front();
        beginn = anfaenge.back();
    } else {
        ende = enden.back();
    }
    const QDate b = neujahr.addDays(beginn), e = neujahr.addDays(ende);
    info.beginnTag = b.day();
    info.beginnMonat = b.month();
    info.endeTag = e.day();
    info.endeMonat = e.month();
    return info;
}

} // namespace skiora::site
