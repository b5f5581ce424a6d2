// The options of the layout sheet and the full-size tiles.
#include "Befehlszeile.h"

#include "core/Zahlen.h"

namespace skiora::cli {

std::optional<std::string> SeitenOption(const std::vector<std::string>& args, size_t& i,
                                        Befehlszeile& bz) {
    const std::string& a = args[i];
    const bool bekannt = a == "--layout-pdf" || a == "--tiles-pdf" || a == "--scale" ||
                         a == "--paper" || a == "--part";
    if (!bekannt) return std::nullopt;
    if (i + 1 >= args.size() || args[i + 1].empty()) {
        if (a == "--scale") return "--scale takes N (1 to 1000, the scale 1:N)";
        if (a == "--paper") return "--paper takes A4, A3 or Letter";
        if (a == "--part") return "--part takes dial or dates";
        return a + " takes FILE";
    }
    const std::string& w = args[++i];
    if (a == "--layout-pdf") {
        bz.layoutPdf = w;
    } else if (a == "--tiles-pdf") {
        bz.tilesPdf = w;
    } else if (a == "--scale") {
        const auto n = LiesZahl(w);
        if (!n || !(*n >= 1 && *n <= 1000))
            return "--scale takes N from 1 to 1000 (the scale 1:N), not " + w;
        bz.massstab = *n;
    } else if (a == "--paper") {
        if (w != "A4" && w != "A3" && w != "Letter")
            return "--paper takes A4, A3 or Letter, not " + w;
        bz.papier = w;
    } else {
        if (w != "dial" && w != "dates") return "--part takes dial or dates, not " + w;
        bz.teil = w;
    }
    return std::string();
}

std::string SeitenOptionenPruefen(const Befehlszeile& bz) {
    if (!bz.tilesPdf && (bz.massstab || bz.papier || bz.teil))
        return "--scale, --paper and --part go with --tiles-pdf FILE";
    return "";
}

} // namespace skiora::cli
