#pragma once
// Texts of the hour-range check of the input panel.
#include <string>

namespace skiora::lang {

// The first hour of the hour marks lies after the last one.
std::string StundenFolgeFalsch(int sprache, int von, int bis);

} // namespace skiora::lang
