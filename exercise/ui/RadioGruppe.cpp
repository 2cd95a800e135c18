// A framed group of radio buttons addressed by item index.
#include "RadioGruppe.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

RadioGruppe::RadioGruppe(const QString &name, const QString &titel, const QStringList &items, QWidget *parent)
    : QGroupBox(titel, parent), gruppe(new QButtonGroup(this))
{
    setObjectName(name);
    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(8, 4, 8, 4);
    l->setSpacing(2);
    for (int i = 0; i < items.size(); ++i) {
        auto *k = new QRadioButton(items[i], this);
        gruppe->addButton(k, i);
        knoepfe << k;
        l->addWidget(k);
    }
    l->addStretch();
    connect(gruppe, &QButtonGroup::idClicked, this, &RadioGruppe::geklickt);
}

int RadioGruppe::ItemIndex() const
{
    return gruppe->checkedId();
}

void RadioGruppe::setItemIndex(int i)
{
    if (QRadioButton *k = knoepfe.value(i))
        k->setChecked(true);
}
