#include "AufzeichnungsLeinwand.h"

namespace skiora::draw {

void AufzeichnungsLeinwand::Aufnehmen(OpArt art, int x1, int y1, int x2, int y2,
                                      const std::string& text) {
    ops.push_back({art, x1, y1, x2, y2, text, stift, pinsel, schrift});
}

void AufzeichnungsLeinwand::Linie(int x1, int y1, int x2, int y2) {
    Aufnehmen(OpArt::Linie, x1, y1, x2, y2);
}
void AufzeichnungsLeinwand::Rectangle(int x1, int y1, int x2, int y2) {
    Aufnehmen(OpArt::Rechteck, x1, y1, x2, y2);
}
void AufzeichnungsLeinwand::Ellipse(int x1, int y1, int x2, int y2) {
    Aufnehmen(OpArt::Ellipse, x1, y1, x2, y2);
}
void AufzeichnungsLeinwand::TextOut(int x, int y, const std::string& text) {
    Aufnehmen(OpArt::Text, x, y, x, y, text);
}

int AufzeichnungsLeinwand::TextWidth(const std::string& text) {
    int zeichen = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++zeichen; // count UTF-8 lead bytes only
    return zeichen * ((schrift.hoehe + 1) / 2);
}
int AufzeichnungsLeinwand::TextHeight(const std::string&) {
    return schrift.hoehe;
}

bool AufzeichnungsLeinwand::HatKreis(int x, int y, int r, Farbe pinselFarbe) const {
    for (const auto& o : ops)
        if (o.istKreis() && o.mitteX() == x && o.mitteY() == y && o.radius() == r &&
            o.pinsel.farbe == pinselFarbe && o.pinsel.art == PinselArt::Voll)
            return true;
    return false;
}

static std::vector<const Operation*> Auswahl(const std::vector<Operation>& ops, OpArt art,
                                             bool nurKreise = false) {
    std::vector<const Operation*> r;
    for (const auto& o : ops)
        if (o.art == art && (!nurKreise || o.istKreis())) r.push_back(&o);
    return r;
}

std::vector<const Operation*> AufzeichnungsLeinwand::Kreise() const {
    return Auswahl(ops, OpArt::Ellipse, true);
}
std::vector<const Operation*> AufzeichnungsLeinwand::Texte() const {
    return Auswahl(ops, OpArt::Text);
}
std::vector<const Operation*> AufzeichnungsLeinwand::Linien() const {
    return Auswahl(ops, OpArt::Linie);
}

const Operation* AufzeichnungsLeinwand::FindeText(const std::string& text) const {
    for (const auto& o : ops)
        if (o.art == OpArt::Text && o.text == text) return &o;
    return nullptr;
}

std::vector<std::string> AufzeichnungsLeinwand::TextListe() const {
    std::vector<std::string> r;
    for (const auto& o : ops)
        if (o.art == OpArt::Text) r.push_back(o.text);
    return r;
}

} // namespace skiora::draw
