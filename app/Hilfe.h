#pragma once
// The help hook: F1 and the help menu call these. Not built yet.
#include <string>

namespace skiora::app {

// Chooses the help file for the language; returns false when it is missing
// (start-up then reports it). The stand-in has no help files and is silent.
bool HilfeWaehlen(const std::string& progVerz, bool deutsch, std::string& dateiname);
// Shows the topic (1 is the contents).
void HilfeZeigen(int thema);
// F1 on a control: shows the control's topic; false when it has none (the
// window then shows the contents).
bool HilfeFuerSteuerelement(const std::string& objektName);
// Closes the help windows (language switch, end of the program).
void HilfeSchliessen();

} // namespace skiora::app
