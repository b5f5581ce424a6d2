#pragma once
// The window's help: one help system for the program's run, and one hook on
// the help file of the current language. F1 and the help menu come here.
#include "core/Melder.h"
#include "help/HilfeHaken.h"
#include "help/HilfeSystem.h"

#include <memory>
#include <string>

namespace skiora::app {

class Hilfe {
  public:
    // melder shows the help's messages; it must outlive this object.
    Hilfe(Melder& melder, const help::HilfeSystem::Start& start);

    // Releases the old hook (closing its windows) and hooks the file of the
    // language; dateiname is that file. Returns false when it is missing.
    bool Waehlen(const std::string& progVerz, bool deutsch, std::string& dateiname);
    // Shows a topic (1 is the overview).
    void Zeigen(int thema);
    // Releases the hook and closes the help windows (language switch, end).
    void Schliessen();

    help::HilfeSystem& System() { return system_; }

  private:
    help::HilfeSystem system_;
    std::unique_ptr<help::HilfeHaken> haken_; // goes first, closing its windows
};

} // namespace skiora::app
