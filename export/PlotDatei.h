#pragma once
// Writing a plot to disk as HPGL or, converted in memory, as DXF. Both go
// through the one safe write path: the previous file is replaced only by a
// complete one, and no intermediate file exists.
#include <string>

namespace skiora {
class Sonnenuhr;
}

namespace skiora::export_ {

// Reports a failed write (the file and the reason, in the document's
// language); the converter reports its own problems. False on any failure.
bool PlotDateiSchreiben(Sonnenuhr& uhr, const std::string& plot, const std::string& datei,
                        bool hpgl);

} // namespace skiora::export_
