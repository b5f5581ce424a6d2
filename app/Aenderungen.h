#pragma once
// Whether the dial differs from what was last loaded or saved, judged by the
// configuration lines the document would save: what a save would change is
// a change, nothing else is. The language line is left out, since switching
// the language changes the program, not the dial.
#include <string>
#include <vector>

namespace skiora {
class Sonnenuhr;
}

namespace skiora::app {

class Aenderungen {
  public:
    // The dial as it stands is what its file holds; `datei` empty: untitled.
    void Merken(const Sonnenuhr& uhr, std::string datei);
    bool Geaendert(const Sonnenuhr& uhr) const;

    const std::string& Datei() const { return datei_; }
    // The file's name without its folder, or "unbenannt" / "untitled".
    std::string Name(int sprache) const;
    // "name.ini[*] — Skiora,  vers. 1.6c": the "[*]" is where Qt puts the
    // "*" while the window is marked modified.
    std::string Titel(int sprache) const;

  private:
    static std::vector<std::string> Stand(const Sonnenuhr& uhr);
    std::vector<std::string> stand_;
    std::string datei_;
};

} // namespace skiora::app
