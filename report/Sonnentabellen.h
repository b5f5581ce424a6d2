#pragma once
// The noon table and the shadow reach as table files, in the format of the
// other tables: title, the dial's header lines, then every cell.
#include <string>

namespace skiora {
class Sonnenuhr;
}

namespace skiora::report {

// false with `fehler` set (in the document's language) when the header
// cannot be built or the file cannot be written; the old file then stays.
bool MittagTabelleSpeichern(const Sonnenuhr& uhr, const std::string& pfad, std::string& fehler);
bool ReichweiteTabelleSpeichern(const Sonnenuhr& uhr, const std::string& pfad, std::string& fehler);

} // namespace skiora::report
