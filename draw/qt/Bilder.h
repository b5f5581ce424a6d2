#pragma once
// The dial and the error chart on a QPainter, and the picture files of the
// command line (--png, --svg, --error-png, --size, --view).
#include "cli/Befehlszeile.h"
#include "core/Sonnenuhr.h"
#include "draw/Zeichnung.h"

#include <QSize>

#include <string>

class QPainter;

namespace skiora::draw {

// The screen size of ImError on a screen at least 1000 pixels wide.
inline constexpr int FehlerBildBreite = 400;
inline constexpr int FehlerBildHoehe = 290;
// The picture width the layout pass allows: at most 1.65 times the height.
QSize SchmalesBild(QSize groesse);

// Image1 in screen mode, narrowed to 1.65 times its height.
void ZeichneAufBild(Sonnenuhr& uhr, QPainter& painter, QSize groesse);
// ImError in screen mode.
void ZeichneFehlerBild(Sonnenuhr& uhr, QPainter& painter, QSize groesse);

// Applies --view, then writes --png, --svg and --error-png, each made in
// memory and written by the one safe write path. False with the messages
// (one a line, in the document's language) in `fehler` when a file could not
// be made or written; the others are written all the same.
bool SchreibeBilder(Sonnenuhr& uhr, const cli::Befehlszeile& bz, std::string& fehler);

} // namespace skiora::draw
