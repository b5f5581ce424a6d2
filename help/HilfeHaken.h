#pragma once
// The help hook: takes the window's numbered help commands (topic, popup
// topic, popup position; the rest goes back to the caller) and shows the
// topic through the HilfeSystem. One hook per help file; the window creates
// a new one at every language switch.
#include "help/HilfeSystem.h"

#include <QPoint>

#include <cstdint>
#include <functional>
#include <string>

namespace skiora::help {

// The classic help command numbers the hook understands.
enum HilfeBefehl : int { HELP_CONTEXT = 1, HELP_CONTEXTPOPUP = 8, HELP_SETPOPUP_POS = 13 };

class HilfeHaken {
  public:
    // hilfeDatei: the help file or, until SetzeHilfeDatei, the program's
    // directory; fensterDef: a window name; modus: see Modus.
    HilfeHaken(HilfeSystem& system, std::string hilfeDatei, std::string fensterDef = {},
               int modus = ModusIntern);
    // Release: closes the help windows (mode 0).
    ~HilfeHaken();
    HilfeHaken(const HilfeHaken&) = delete;
    HilfeHaken& operator=(const HilfeHaken&) = delete;

    void SetzeHilfeDatei(std::string datei) { hilfeDatei_ = std::move(datei); }
    const std::string& HilfeDatei() const { return hilfeDatei_; }

    // One help command. Sets weiterreichen when the caller's default help
    // handling should deal with it; always returns true.
    bool HelpHook(int befehl, std::intptr_t daten, bool& weiterreichen);
    // The help menu and F1: HELP_CONTEXT with the topic number.
    void ZeigeThema(int thema) {
        bool weiter = false;
        HelpHook(HELP_CONTEXT, thema, weiter);
    }

    QPoint PopupPosition() const { return popup_; }
    // Replacement handlers; the program sets none.
    std::function<void(int thema)> themenHandler;
    std::function<void(int thema, QPoint position)> popupHandler;

    // "HELP_CONTEXT" ... for the log; "??" for an unknown number.
    static std::string BefehlsName(int befehl);

  private:
    void Thema(int thema);

    HilfeSystem& system_;
    std::string hilfeDatei_, fensterDef_;
    int modus_;
    QPoint popup_;
};

} // namespace skiora::help
