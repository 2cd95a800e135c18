// The controls both quiz-option dialogs build alike.
#include "UebOptTeile.h"

#include "RadioGruppe.h"
#include "ZahlEdit.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

void ZeitEditsAnordnen(QWidget *min, QWidget *sek, QLabel *einheit, QPoint ort)
{
    // One label "Min.             Sek. " as in the dialogs' design; the
    // seconds edit sits in its gap, right before "Sek.".
    const QFontMetrics fm(einheit->font());
    min->move(ort);
    einheit->adjustSize();
    const int lx = ort.x() + min->width() + 4;
    einheit->move(lx, ort.y() + (min->height() - einheit->height()) / 2);
    sek->move(lx + fm.horizontalAdvance(QStringLiteral("Min.             ")) - sek->width() - 4, ort.y());
    einheit->lower();
}

QString NetzUebInitText()
{
    return QStringLiteral("Klicken Sie auf \"Übung starten\" um die Netzwerk-Übung zu initiieren.        "
                          "Alle getätigten Einstellungen werden an die Übungsteilnehmer übermittelt.");
}

ZeitlimitTeile ZeitlimitBauen(QDialog *dialog, const QStringList &eintraege, QPoint ort)
{
    ZeitlimitTeile z;
    z.Gruppe = new RadioGruppe("Zeitlimit", " Zeitlimit ", eintraege, dialog);
    z.Min = new ZahlEdit("ZLimitMin", z.Gruppe);
    z.Sek = new ZahlEdit("ZLimitSek", z.Gruppe);
    auto *einheit = new QLabel("Min.             Sek. ", z.Gruppe);
    ZeitEditsAnordnen(z.Min, z.Sek, einheit, ort);
    RadioGruppe *gruppe = z.Gruppe;
    auto mitLimit = [gruppe] { gruppe->setItemIndex(1); };
    QObject::connect(z.Min, &QLineEdit::textEdited, dialog, mitLimit);
    QObject::connect(z.Sek, &QLineEdit::textEdited, dialog, mitLimit);
    return z;
}

DialogKnoepfe DialogKnoepfeBauen(QDialog *dialog, const QString &zeigenName)
{
    DialogKnoepfe k;
    k.Zeigen = new QCheckBox(" Dieses Dialogfenster vor jeder Übung anzeigen ", dialog);
    k.Zeigen->setObjectName(zeigenName);
    k.Zeigen->setChecked(true);
    k.Ok = new QPushButton("Übung starten", dialog);
    k.Ok->setObjectName("OkBtn");
    k.Ok->setDefault(true);
    k.Schliessen = new QPushButton("Schließen", dialog);
    k.Schliessen->setObjectName("CloseBtn");
    k.NetzPan = new QLabel(NetzUebInitText(), dialog);
    k.NetzPan->setObjectName("NetzUebInitPan");
    k.NetzPan->setWordWrap(true);
    k.NetzPan->setStyleSheet("background:#fff8c0; border:1px solid #a0a080; padding:4px;");
    k.NetzPan->hide();
    QObject::connect(k.Ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(k.Schliessen, &QPushButton::clicked, dialog, &QDialog::reject);
    return k;
}
