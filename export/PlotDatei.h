#pragma once
// Writing a plot to disk as HPGL or, converted, as DXF. Both go through the
// temporary "skiora.$$$" beside the target, so the previous file is replaced
// only by a complete one.
#include <string>

namespace skiora {
class Sonnenuhr;
}

namespace skiora::export_ {

// Reports a failed write with message 18 (the converter reports its own
// problems); false on any failure. The temporary never stays behind.
bool PlotDateiSchreiben(Sonnenuhr& uhr, const std::string& plot, const std::string& datei,
                        bool hpgl);

} // namespace skiora::export_
