// Texts of the controls and menus in the current language, and the switch.
#include "app/FertigungDialog.h"
#include "app/Gittermodell.h"
#include "app/Hauptfenster.h"
#include "app/Hilfe.h"
#include "app/Optionsgruppe.h"
#include "core/Sprachwechsel.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTranslator>

namespace skiora::app {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QStringList Liste(int sprache, int erster, int letzter) {
    QStringList l;
    for (const auto& t : lang::TexteListe(sprache, erster, letzter))
        l << Q(t);
    return l;
}

} // namespace

void Hauptfenster::TexteSetzen() {
    // Tagged objects first: giving a text can replace untagged helper
    // objects (a text box renews its document's frames).
    QList<QPair<QObject*, int>> getaggt;
    for (QObject* o : findChildren<QObject*>()) {
        const int tag = o->property("Tag").toInt();
        if (tag != 0) getaggt.append({o, tag});
    }
    for (const auto& [o, tag] : getaggt)
        TexteSetzenFuer(o, tag);
    FertigungTexteSetzen(this);
    KomfortTexteSetzen();
}

void Hauptfenster::TexteSetzenFuer(QObject* o, int tag) {
    const int s = uhr.sprache.Sprache;
    const QString text = Q(lang::LadeText(uhr.sprache, tag));
    if (auto* l = qobject_cast<QLabel*>(o)) {
        l->setText(text);
    } else if (auto* k = qobject_cast<QAbstractButton*>(o)) {
        k->setText(text);
    } else if (auto* a = qobject_cast<QAction*>(o)) {
        a->setText(text);
    } else if (auto* t = qobject_cast<QTableView*>(o)) {
        if (tag != 30) return;
        uhr.MittelKoepfe();
        if (auto* m = qobject_cast<Gittermodell*>(t->model())) m->aktualisieren();
    } else if (auto* m = qobject_cast<QPlainTextEdit*>(o)) {
        if (tag == 50) m->setPlainText(Liste(s, 68, 73).join('\n'));
    } else if (auto* p = qobject_cast<QTabWidget*>(o)) {
        if (tag != 620) return;
        for (int i = 0; i < p->count(); ++i)
            p->setTabText(i, Q(lang::TextTabelle1(s, 13 + i)));
    } else if (auto* g = qobject_cast<Optionsgruppe*>(o)) {
        g->setTitle(text);
        switch (tag) {
        case 30:
            g->setzeEintraege(Liste(s, 4, 6));
            g->setTitle(Q(lang::TextTabelle2(s, 34)));
            break;
        case 40:
            g->setzeEintraege(Liste(s, 93, 97));
            g->setTitle(Q(lang::TextTabelle2(s, 15)));
            break;
        case 50:
            g->setzeEintraege(Liste(s, 11, 14));
            g->setTitle(Q(lang::TextTabelle2(s, 16)));
            break;
        case 60:
            g->setzeEintraege(Liste(s, 23, 24));
            g->setTitle(Q(lang::TextTabelle2(s, 22)));
            break;
        case 70:
            g->setzeEintraege(Liste(s, 25, 26));
            break;
        case 75:
            g->setzeEintraege(Liste(s, 7, 8));
            break;
        case 80:
            g->setzeEintraege(Liste(s, 107, 108));
            break;
        default:
            break;
        }
    }
}

void Hauptfenster::Menein() {
    const bool deutsch = uhr.sprache.SpracheDeutsch;
    const auto& texte = lang::MenuTexte(deutsch);
    Deutsch2->setChecked(deutsch);
    Englisch2->setChecked(!deutsch);
    size_t naechster = 0;
    // Depth first in menu order; separators take no text, and entries that
    // carry their own pair of texts take theirs.
    std::function<void(QAction*)> geh = [&](QAction* a) {
        if (a->isSeparator()) return;
        if (const QVariant eigener = a->property(deutsch ? "textDe" : "textEn");
            eigener.isValid()) {
            a->setText(eigener.toString());
            return;
        }
        if (naechster < texte.size()) a->setText(Q(texte[naechster++]));
        if (QMenu* m = a->menu())
            for (QAction* u : m->actions())
                geh(u);
    };
    for (QAction* a : menuBar()->actions())
        geh(a);
}

void Hauptfenster::Deutsch1Click(bool deutsch) {
    uhr.sprache.Waehle(deutsch);
    Menein();
    // The old hook goes (closing its help windows), the texts change, then a
    // hook for the other file comes, whether or not that file exists.
    hilfe_->Schliessen();
    QtUebersetzungWaehlen();
    TexteSetzen();
    std::string hilfeDatei;
    hilfe_->Waehlen(wahl_.progVerz, deutsch, hilfeDatei);
    // Tables, captions and the picture follow at once, not at the next calculation.
    InNeuerSprache(uhr);
    Spiegeln();
}

// Qt's own words (dialog buttons, context menus) in the chosen language.
void Hauptfenster::QtUebersetzungWaehlen() {
    if (uhr.sprache.SpracheDeutsch && !qtDeutschGeladen_) {
        if (qtDeutsch_->load("qtbase_de", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            qtDeutschGeladen_ = QCoreApplication::installTranslator(qtDeutsch_.get());
    } else if (!uhr.sprache.SpracheDeutsch && qtDeutschGeladen_) {
        QCoreApplication::removeTranslator(qtDeutsch_.get());
        qtDeutschGeladen_ = false;
    }
}

} // namespace skiora::app
