#pragma once
// Every text the user sees, in German and English. Texts are UTF-8 here;
// files get the Windows code page when they are written.
#include <array>
#include <string>
#include <vector>

namespace skiora::lang {

// Language state: Sprache 1 German, 2 English; TextOffset 0 or 2000.
struct Sprachzustand {
    int Sprache = 1;
    bool SpracheDeutsch = true;
    int TextOffset = 0;

    // Sets all three from one choice, as start-up and the language switch do.
    void Waehle(bool deutsch) {
        SpracheDeutsch = deutsch;
        Sprache = deutsch ? 1 : 2;
        TextOffset = deutsch ? 0 : 2000;
    }
};

// A text of the newer outputs and dialogs, which have no number: each kept
// beside the feature's other texts in a file of its own under lang/.
struct Zweisprachig {
    const char* de;
    const char* en;
};
inline std::string Text(int sprache, const Zweisprachig& t) {
    return sprache == 2 ? t.en : t.de;
}

// Numbered messages, 0..56; an unknown number gives "".
std::string Meldung(int sprache, int nr);

enum class Titel { Warnung, Fehler, Info, Problem, GrafikDatei, Laden, Tabelle };
std::string TitelText(int sprache, Titel titel);

// TextTabelle1 entries 1..30, TextTabelle2 entries 0..118; out of range gives "".
std::string TextTabelle1(int sprache, int nr);
std::string TextTabelle2(int sprache, int nr);
// Entries first..last of TextTabelle2, in order.
std::vector<std::string> TexteListe(int sprache, int erster, int letzter);

// String resource by id (German ids < 1000, English = id + 2000); "" when absent.
std::string LadeText(int id);
// The resource of the current language: LadeText(id + TextOffset).
std::string LadeText(const Sprachzustand& s, int id);
// The same with every "&" removed (for drawings, plots and files).
std::string LadeTextOhneKuerzel(const Sprachzustand& s, int id);

// The 19 main-menu captions in menu order (the 19th is empty).
const std::array<std::string, 19>& MenuTexte(bool deutsch);

// "Jan" .. "Dez", used in both languages; index 1..12 (0 unused).
extern const std::array<const char*, 13> MonatsNamen;

// UTF-8 to the Windows Western code page and back (for files). Characters
// outside the code page become "?".
std::string NachAnsi(const std::string& utf8);
std::string VonAnsi(const std::string& ansi);

} // namespace skiora::lang
