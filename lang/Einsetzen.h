#pragma once
// Fills the numbered places %1, %2 ... of a text in their order.
#include <initializer_list>
#include <string>

namespace skiora::lang {

inline std::string Einsetzen(std::string muster, std::initializer_list<std::string> werte) {
    int nr = 1;
    for (const std::string& w : werte) {
        const std::string marke = "%" + std::to_string(nr++);
        for (size_t i = muster.find(marke); i != std::string::npos;
             i = muster.find(marke, i + w.size()))
            muster.replace(i, marke.size(), w);
    }
    return muster;
}

} // namespace skiora::lang
