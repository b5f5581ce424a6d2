#pragma once
// How the document reports to the user. The window shows a message box, the
// command line prints "caption: text" to standard error, tests record.
#include <string>
#include <vector>

namespace skiora {

enum class Symbol { Warnung, Fehler, Info, Frage };

class Melder {
  public:
    virtual ~Melder() = default;
    virtual void Zeige(const std::string& text, const std::string& titel, Symbol symbol) = 0;
};

// Keeps every message; the default of a document that nobody listens to.
class SammelMelder : public Melder {
  public:
    struct Eintrag {
        std::string text, titel;
        Symbol symbol;
    };
    void Zeige(const std::string& text, const std::string& titel, Symbol symbol) override {
        eintraege.push_back({text, titel, symbol});
    }
    std::vector<Eintrag> eintraege;
};

} // namespace skiora
