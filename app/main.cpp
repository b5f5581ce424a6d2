// Program entry: with an output option the program runs without a window.
#include "app/Start.h"
#include "cli/Befehlszeile.h"
#include "cli/Lauf.h"

#include <QGuiApplication>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    auto pe = skiora::cli::Parse(args);
    if (!pe.bz) {
        std::cerr << "skiora: " << pe.fehler << "\n" << skiora::cli::Gebrauch();
        return 2;
    }
    if (pe.bz->hilfe) {
        std::cout << skiora::cli::Gebrauch();
        return 0;
    }
    if (pe.bz->hatAusgabe()) {
        // No display is needed for files; fonts still come from fontconfig.
        if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        QGuiApplication app(argc, argv);
        skiora::cli::QtAusgaben qt = skiora::app::QtAusgabenFuerBefehlszeile();
        return skiora::cli::Ausfuehren(*pe.bz, &qt, argv[0]);
    }
    return skiora::app::StarteFenster(argc, argv, *pe.bz);
}
