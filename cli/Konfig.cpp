#include "Schritte.h"

namespace skiora::cli {

// Configuration files come later: until then the built-in dial is used.
bool SchrittKonfigLaden(Sonnenuhr&, const Befehlszeile&, const std::string&) { return true; }
bool SchrittKonfigSpeichern(Sonnenuhr&, const Befehlszeile& bz) { return !bz.saveConfig; }

} // namespace skiora::cli
