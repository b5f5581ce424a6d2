#include "Sprachwechsel.h"

namespace skiora {

namespace {

// The document's messages go to a recorder while it lives.
class Stumm {
  public:
    explicit Stumm(Sonnenuhr& uhr) : uhr_(uhr), vorher_(uhr.melder()) { uhr_.setzeMelder(&still_); }
    ~Stumm() { uhr_.setzeMelder(&vorher_); }
    Stumm(const Stumm&) = delete;
    Stumm& operator=(const Stumm&) = delete;

  private:
    Sonnenuhr& uhr_;
    Melder& vorher_;
    SammelMelder still_;
};

} // namespace

void InNeuerSprache(Sonnenuhr& uhr) {
    if (!uhr.opt.Bereit) return;
    Stumm stumm(uhr);
    if (uhr.p.Arten == 2) uhr.MittelKoepfe();
    uhr.btGoClick();
}

} // namespace skiora
