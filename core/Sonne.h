#pragma once
// The Sun: calendar arithmetic, declination and equation of time, horizon
// coordinates, rise and set. Pure functions; angles in degrees.

namespace skiora {

// Julian day number (12:00 UT) of a calendar date. A date inside the
// October 1582 gap is taken as 15 October 1582 (`korrigiert` tells).
double JulTag(int tag, int monat, int jahr, bool* korrigiert = nullptr);
// Day number of the year, 1 = 1 January.
int TagNr(int jahr, int monat, int tag);
bool IstSchaltjahr(int jahr);
// Whether tag/monat is a day of the calendar year jahr (29/02 only in leap years).
bool DatumGueltig(long long tag, long long monat, int jahr);

struct SonnenOrt {
    double dekl = 0; // declination
    double eot = 0;  // equation of time, degrees of hour angle (apparent - mean)
};
SonnenOrt SonnenDaten(int jahr, double d);

struct HorizontOrt {
    double hoehe = 0;  // altitude
    double azimut = 0; // from south, west positive
};
HorizontOrt HorizontKoord(double t, double delta, double phi);

struct SonnenStandErgebnis {
    double hoehe = 0, azimut = 0, dekl = 0, eot = 0;
};
SonnenStandErgebnis SonnenStand(int jahr, int N, bool addE, double ref, double lambda, double phi,
                                double T);
SonnenStandErgebnis SonnenStandMittag(int jahr, int N, bool addE, double ref, double lambda,
                                      double phi, double T);

struct AufUntergangErgebnis {
    bool vorhanden = true;             // false on polar day or polar night
    double aufgang = 0, untergang = 0; // local apparent hours
    double azAufgang = 0, azUntergang = 0;
    double dekl = 0;
};
AufUntergangErgebnis AufUntergang(int jahr, int N, double ref, double phi);

// Half the day length in hours at latitude phi; 0 in polar night, 12 in polar day.
double HalberTagbogen(double delta, double phi);

} // namespace skiora
