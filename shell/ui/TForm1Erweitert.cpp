// The switch "Erweiterte Funktionen anzeigen": shows the hidden commands
// that have an effect, through stand-ins at their places in the menus.
#include "TForm1.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

QAction *TForm1::ZwillingAnlegen(QMenu *menue, QAction *aktion)
{
    // The hidden item keeps its shortcut on the window; the stand-in only
    // shows the shortcut text, so no key is bound twice.
    auto *z = new QAction(this);
    z->setObjectName(aktion->objectName() + "Zwilling");
    z->setVisible(false);
    const auto abgleichen = [z, aktion] {
        const QKeySequence taste = aktion->shortcut();
        z->setText(taste.isEmpty() ? aktion->text() : aktion->text() + '\t' + taste.toString(QKeySequence::NativeText));
        z->setEnabled(aktion->isEnabled());
        z->setCheckable(aktion->isCheckable());
        z->setChecked(aktion->isChecked());
    };
    abgleichen();
    connect(aktion, &QAction::changed, z, abgleichen);
    // A checkable stand-in flips its own mark on the click; the item's
    // trigger flips the item's, and the item's change sets the stand-in's.
    connect(z, &QAction::triggered, aktion, [aktion, abgleichen] {
        aktion->trigger();
        abgleichen();
    });
    menue->addAction(z);
    return z;
}

void TForm1::ErweitertAnzeigen(QAction *eintrag)
{
    if (!eintrag || erweiterteEintraege.contains(eintrag))
        return;
    erweiterteEintraege << eintrag;
    ErweitertAnwenden();
}

void TForm1::ErweitertAnzeigen(QWidget *knopf)
{
    if (!knopf || erweiterteKnoepfe.contains(knopf))
        return;
    erweiterteKnoepfe << knopf;
    knopf->setVisible(erweitert);
}

void TForm1::ErweiterteFunktionenSetzen(bool an)
{
    QAction *schalter = Menue.ErweiterteFunktionen1;
    if (schalter && schalter->isChecked() != an)
        schalter->setChecked(an); // comes back here through toggled
    if (erweitert == an)
        return;
    erweitert = an;
    ErweitertAnwenden();
    for (QWidget *k : std::as_const(erweiterteKnoepfe))
        k->setVisible(an);
    LernKartBtnBeschriften();
    emit ErweiterteFunktionenGeaendert(an);
}

void TForm1::ErweitertAnwenden()
{
    for (QAction *a : std::as_const(erweiterteEintraege))
        if (QAction *z = zwillinge.value(a)) {
            // Radio items get their group after they were made; a stand-in
            // in a group of its own shows the radio mark, not a check box.
            QActionGroup *g = a->actionGroup();
            if (g && g->isExclusive() && !z->actionGroup()) {
                QActionGroup *&zg = zwillingsGruppen[g];
                if (!zg)
                    zg = new QActionGroup(this);
                z->setActionGroup(zg);
                z->setChecked(a->isChecked());
            }
            z->setVisible(erweitert);
        }
    // A hidden menu appears with the first item it has to show; inner menus
    // first, so an outer menu sees whether an inner one came.
    for (auto it = versteckteMenues.crbegin(); it != versteckteMenues.crend(); ++it) {
        bool zeigen = false;
        if (erweitert)
            for (QAction *a : (*it)->actions())
                zeigen = zeigen || (!a->isSeparator() && a->isVisible());
        (*it)->menuAction()->setVisible(zeigen);
    }
}
