#pragma once
// The print commands of the main window: the dial on a landscape page, the
// displayed list or all lists, and the printer's page set-up. The printer is
// one for the whole program, so the set-up made is kept between commands.
class QWidget;
class QPrinter;

namespace skiora {
class Sonnenuhr;
}

namespace skiora::app {

QPrinter& ProgrammDrucker();

void Grafikdrucken1Click(Sonnenuhr& uhr, QWidget* fenster);
// The displayed page is read from the window's page control "PgCtrl".
void Listedrucken1Click(Sonnenuhr& uhr, QWidget* fenster, bool alleListen);
void Druckereinrichten1Click(Sonnenuhr& uhr, QWidget* fenster);

} // namespace skiora::app
