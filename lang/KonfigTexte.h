#pragma once
// Texts of the configuration loader that the numbered tables do not have.
#include <cstddef>
#include <string>

namespace skiora::lang {

// The second line of "Error during File Input!": "Zeile 2: 47,25".
std::string KonfigFehlerZeile(int sprache, int zeile, const std::string& text);
// Why a configuration file was not read, naming the file.
std::string KonfigDateiLeer(int sprache, const std::string& pfad);
std::string KonfigDateiZuGross(int sprache, const std::string& pfad, std::size_t grenze);

} // namespace skiora::lang
