#pragma once
// A time zone in one calendar year, from the system's time-zone database
// (through QTimeZone): its standard time and its summer time.
#include <string>

namespace skiora::site {

struct Zoneninfo {
    bool gueltig = false;       // the database knows the zone
    double standardStunden = 0; // standard time minus UTC, hours (east positive)
    bool hatSommerzeit = false; // clocks are put forward on some days of the year
    // First day on summer time and first day back on standard time, as the
    // clock reads at noon; in the south the end comes before the beginning.
    // Summer time that lasts to the end of the year ends on 1 January.
    int beginnTag = 0, beginnMonat = 0, endeTag = 0, endeMonat = 0;
    double versatz = 1; // hours the clocks go forward (most days of the summer)
};

// Standard time is the clock of the rest of the year: in a zone whose
// database gives a negative summer time (Dublin's winter) the winter clock
// counts as standard time, so that every zone reads as maps and people do.
Zoneninfo ZoneImJahr(const std::string& iana, int jahr);

bool ZoneBekannt(const std::string& iana);

// The zone meridian of a standard time, in the program's convention (west
// positive, 15 degrees an hour): UTC+1 gives -15. Beyond the field's 195
// degrees (UTC+14) the meridian of the same clock hour a day apart is taken.
double ZonenMeridian(double standardStunden);

} // namespace skiora::site
