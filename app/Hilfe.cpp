#include "app/Hilfe.h"

#include "core/Verzeichnisse.h"
#include "help/HilfeDatei.h"

#include <QFileInfo>

namespace skiora::app {

Hilfe::Hilfe(Melder& melder, const help::HilfeSystem::Start& start) : system_(melder, start) {}

bool Hilfe::Waehlen(const std::string& progVerz, bool deutsch, std::string& dateiname) {
    Schliessen();
    // Beside the program in a build tree, in share/skiora/ when installed.
    dateiname = help::HilfeDateiPfad(verz::DatenVerz(progVerz), deutsch);
    // The hook comes whether or not the file is there: the viewer then says
    // so itself when a topic is asked for.
    haken_ = std::make_unique<help::HilfeHaken>(system_, dateiname);
    return QFileInfo::exists(QString::fromStdString(dateiname));
}

void Hilfe::Zeigen(int thema) {
    if (haken_) haken_->ZeigeThema(thema);
}

void Hilfe::Schliessen() {
    haken_.reset(); // its release closes the help windows
}

} // namespace skiora::app
