// The controls both quiz-option dialogs build alike: time limit, show-this-dialog box, buttons, network panel.
#pragma once
#include <QPoint>
#include <QString>
#include <QStringList>

class QCheckBox;
class QDialog;
class QLabel;
class QPushButton;
class QWidget;
class RadioGruppe;
class ZahlEdit;

// The group "Zeitlimit" with its minute and second edits placed at `ort` inside it; typing a limit
// picks the second item.
struct ZeitlimitTeile
{
    RadioGruppe *Gruppe;
    ZahlEdit *Min;
    ZahlEdit *Sek;
};
ZeitlimitTeile ZeitlimitBauen(QDialog *dialog, const QStringList &eintraege, QPoint ort);

// The height of the dialogs' buttons: big enough for a finger on a touch screen.
inline constexpr int DialogKnopfHoehe = 34;

// The box "Dieses Dialogfenster vor jeder Übung anzeigen" (ticked), "Übung starten" (the default,
// accepts), "Schließen" (rejects) and the hidden network panel; the dialog places them.
struct DialogKnoepfe
{
    QCheckBox *Zeigen;
    QPushButton *Ok;
    QPushButton *Schliessen;
    QLabel *NetzPan;
};
DialogKnoepfe DialogKnoepfeBauen(QDialog *dialog, const QString &zeigenName);

// Places the minute and second edits around their unit label.
void ZeitEditsAnordnen(QWidget *min, QWidget *sek, QLabel *einheit, QPoint ort);

// The text of the network panel of both option dialogs.
QString NetzUebInitText();
