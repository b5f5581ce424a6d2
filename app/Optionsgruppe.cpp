#include "app/Optionsgruppe.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace skiora::app {

Optionsgruppe::Optionsgruppe(const QString& name, QWidget* eltern)
    : QGroupBox(eltern), gruppe_(new QButtonGroup(this)), spalte_(new QVBoxLayout(this)) {
    setObjectName(name);
    spalte_->setContentsMargins(6, 2, 6, 2);
    spalte_->setSpacing(0);
    gruppe_->setExclusive(true);
    connect(gruppe_, &QButtonGroup::idClicked, this, &Optionsgruppe::gewaehlt);
}

void Optionsgruppe::setzeEintraege(const QStringList& eintraege) {
    const int alt = itemIndex();
    auto knoepfe = gruppe_->buttons();
    while (knoepfe.size() > eintraege.size()) {
        QAbstractButton* k = knoepfe.takeLast();
        gruppe_->removeButton(k);
        delete k;
    }
    for (int i = 0; i < eintraege.size(); ++i) {
        if (i < knoepfe.size()) {
            knoepfe[i]->setText(eintraege[i]);
        } else {
            auto* k = new QRadioButton(eintraege[i], this);
            gruppe_->addButton(k, i);
            spalte_->addWidget(k);
        }
    }
    setzeItemIndex(alt);
}

QStringList Optionsgruppe::eintraege() const {
    QStringList l;
    for (auto* k : gruppe_->buttons())
        l << k->text();
    return l;
}

int Optionsgruppe::itemIndex() const {
    return gruppe_->checkedId();
}

void Optionsgruppe::setzeItemIndex(int index) {
    QSignalBlocker sperre(gruppe_);
    if (QAbstractButton* k = gruppe_->button(index)) {
        k->setChecked(true);
    } else if (QAbstractButton* an = gruppe_->checkedButton()) {
        gruppe_->setExclusive(false);
        an->setChecked(false);
        gruppe_->setExclusive(true);
    }
}

QAbstractButton* Optionsgruppe::knopf(int index) const {
    return gruppe_->button(index);
}

} // namespace skiora::app
