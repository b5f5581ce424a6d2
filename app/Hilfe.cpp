#include "app/Hilfe.h"

namespace skiora::app {

bool HilfeWaehlen(const std::string& progVerz, bool deutsch, std::string& dateiname) {
    dateiname = progVerz + (deutsch ? "skiora_d.chm" : "skiora_e.chm");
    // Until the help files exist nothing is reported, so the start stays quiet.
    return true;
}

void HilfeZeigen(int) {}
bool HilfeFuerSteuerelement(const std::string&) {
    return false;
}
void HilfeSchliessen() {}

} // namespace skiora::app
