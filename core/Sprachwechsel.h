#pragma once
// After a language switch the dial is made again in the new language: the
// result tables, the captions the calculation writes and the picture.
#include "Sonnenuhr.h"

namespace skiora {

// Recalculates the dial (when it has been set up) without showing its
// messages again: they were shown in the calculation that made it.
void InNeuerSprache(Sonnenuhr& uhr);

} // namespace skiora
