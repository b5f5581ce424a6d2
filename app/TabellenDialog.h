#pragma once
// A window beside the main window that shows one table the document derives
// (the noon table, the shadow reach) with "Save Table ...". It follows the
// document: renewed whenever the dial is redrawn and when it comes to the front.
#include "core/Gitter.h"

#include <QDialog>
#include <string>

class QBoxLayout;
class QDialogButtonBox;
class QPushButton;
class QTableView;

namespace skiora {
class Sonnenuhr;
}

namespace skiora::app {

class Gittermodell;

class Einstellungen;

// The save dialog of every table: in the folder tables last went to, CSV or
// text. The chosen file (empty when cancelled) and the index of its filter.
struct TabellenWahl {
    QString datei;
    int filter = 0;
};
TabellenWahl TabelleWaehlen(QWidget* eltern, Einstellungen& einstellungen, int sprache);

class TabellenDialog : public QDialog {
    Q_OBJECT
  public:
    // Recomputes the table and every text in the document's language.
    void Aktualisieren();
    // "Save Table ..." after its file dialog; filterIndex 0 is *.CSV, 1 *.TXT.
    bool SpeichernNach(const QString& datei, int filterIndex);
    QTableView* tabelle() const { return tabelle_; }
    const Gitter& gitter() const { return gitter_; }

  protected:
    TabellenDialog(Sonnenuhr& uhr, const char* name, QWidget* eltern);

    virtual Gitter Berechnen() = 0;
    virtual void TexteSetzen() = 0;
    virtual bool Schreiben(const std::string& pfad, std::string& fehler) = 0;
    // Where a dialog puts its own controls: above the table.
    QBoxLayout* kopf() const { return kopf_; }

    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;

    Sonnenuhr& uhr_;

  private:
    void Speichern();

    Gitter gitter_;
    Gittermodell* modell_ = nullptr;
    QBoxLayout* kopf_ = nullptr;
    QTableView* tabelle_ = nullptr;
    QPushButton* speichern_ = nullptr;
    QDialogButtonBox* knoepfe_ = nullptr;
};

// Brings the window's one dialog of this kind to the front, made on first use.
template <class D> D* DialogZeigen(Sonnenuhr& uhr, QWidget* eltern) {
    D* d = eltern->findChild<D*>(QString(), Qt::FindDirectChildrenOnly);
    if (!d) d = new D(uhr, eltern);
    d->show();
    d->raise();
    d->activateWindow();
    return d;
}

} // namespace skiora::app
