#include "Schritte.h"

namespace skiora::cli {

// The plot export comes later.
bool SchrittPlot(Sonnenuhr&, const Befehlszeile& bz) { return !bz.hpgl && !bz.dxf; }

} // namespace skiora::cli
