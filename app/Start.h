#pragma once
#include "cli/Befehlszeile.h"
#include "cli/Lauf.h"

namespace skiora::app {

// The Qt-backed outputs of the command line (pictures, PDF).
cli::QtAusgaben QtAusgabenFuerBefehlszeile();

// Opens the main window; returns the exit status of the event loop.
int StarteFenster(int argc, char** argv, const cli::Befehlszeile& bz);

} // namespace skiora::app
