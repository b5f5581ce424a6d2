#include "help/HilfeHaken.h"

namespace skiora::help {

HilfeHaken::HilfeHaken(HilfeSystem& system, std::string hilfeDatei, std::string fensterDef,
                       int modus)
    : system_(system), hilfeDatei_(std::move(hilfeDatei)), fensterDef_(std::move(fensterDef)),
      modus_(modus) {
    system_.Log().Zeile("THookHelpSystem.Create(\"" + hilfeDatei_ + "\",\"" + fensterDef_ + "\", " +
                        std::to_string(modus_) + ")");
}

HilfeHaken::~HilfeHaken() {
    if (modus_ == ModusIntern) system_.CloseAll();
    system_.Log().Zeile("THookHelpSystem.Destroy");
}

std::string HilfeHaken::BefehlsName(int befehl) {
    switch (befehl) {
    case 1:
        return "HELP_CONTEXT";
    case 2:
        return "HELP_QUIT";
    case 3:
        return "HELP_INDEX or HELP_CONTENTS";
    case 4:
        return "HELP_HELPONHELP";
    case 5:
        return "HELP_SETINDEX or HELP_SETCONTENTS";
    case 8:
        return "HELP_CONTEXTPOPUP";
    case 9:
        return "HELP_FORCEFILE";
    case 10:
        return "HELP_CONTEXTMENU";
    case 11:
        return "HELP_FINDER";
    case 12:
        return "HELP_WM_HELP";
    case 13:
        return "HELP_SETPOPUP_POS";
    case 257:
        return "HELP_KEY";
    case 258:
        return "HELP_COMMAND";
    case 261:
        return "HELP_PARTIALKEY";
    case 513:
        return "HELP_MULTIKEY";
    case 515:
        return "HELP_SETWINPOS";
    default:
        return "??";
    }
}

void HilfeHaken::Thema(int thema) {
    if (themenHandler) {
        themenHandler(thema);
        return;
    }
    system_.ShowError(system_.ShowTopic(hilfeDatei_, thema, fensterDef_, modus_));
}

bool HilfeHaken::HelpHook(int befehl, std::intptr_t daten, bool& weiterreichen) {
    system_.Log().Zeile("THookHelpSystem.HelpHook(" + BefehlsName(befehl) + " (" +
                        std::to_string(befehl) + "), " + std::to_string(daten) + ")");
    const int thema = static_cast<int>(daten);
    switch (befehl) {
    case HELP_CONTEXT:
        Thema(thema);
        break;
    case HELP_CONTEXTPOPUP:
        if (popupHandler)
            popupHandler(thema, popup_);
        else
            Thema(thema);
        break;
    case HELP_SETPOPUP_POS: {
        // A packed point: x in the low, y in the high 16 bits, each signed.
        const auto wert = static_cast<std::uint32_t>(daten);
        popup_ = QPoint(static_cast<std::int16_t>(wert & 0xFFFFu),
                        static_cast<std::int16_t>(wert >> 16));
        break;
    }
    default:
        weiterreichen = true;
    }
    return true;
}

} // namespace skiora::help
