#include "app/Start.h"

#include <iostream>

namespace skiora::app {

cli::QtAusgaben QtAusgabenFuerBefehlszeile() { return {}; }

int StarteFenster(int, char**, const cli::Befehlszeile&) {
    // The window comes later; until then the program explains itself.
    std::cout << cli::Gebrauch();
    return 0;
}

} // namespace skiora::app
