// The learning view's save, copy, printer set-up and print commands.
#include "AnsichtAusgabeAnschluss.h"

#include "AnsichtAusgabe.h"
#include "Dateifehler.h"
#include "LernLeiste.h"
#include "Sanduhr.h"
#include "Szene.h"
#include "TForm1.h"
#include "THoverPanel.h"

#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QThread>

namespace {
// The save dialog SaveBMP.
class SaveBMP : public IBildDateiWahl
{
public:
    explicit SaveBMP(QWidget *eltern) : eltern(eltern) {}
    bool Waehlen(QString &pfad, const QString &ordner) override
    {
        // The same filter list in the dialog's own notation.
        QString filter = QString::fromUtf8(AnsichtAusgabe::DialogFilter);
        QStringList teile = filter.split('|'), eintraege;
        for (int i = 0; i + 1 < teile.size(); i += 2)
            eintraege << teile[i].replace("*.*", "*");
        QFileDialog dlg(eltern, QString::fromUtf8(AnsichtAusgabe::DialogTitel), QString(), eintraege.join(";;"));
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setFileMode(QFileDialog::AnyFile);
        dlg.setDefaultSuffix(AnsichtAusgabe::StandardEndung);
        dlg.setOption(QFileDialog::DontConfirmOverwrite, false);
        dlg.setSizeGripEnabled(true);
        if (!ordner.isEmpty() && QFileInfo(ordner).isDir())
            dlg.setDirectory(ordner);
        // A name typed without an extension gets the chosen filter's.
        QObject::connect(&dlg, &QFileDialog::filterSelected, &dlg,
                         [&dlg](const QString &f) { dlg.setDefaultSuffix(EndungVonFilter(f)); });
        if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
            return false;
        pfad = EndungErgaenzen(dlg.selectedFiles().first(), dlg.selectedNameFilter());
        return true;
    }

private:
    QWidget *eltern;
};
} // namespace

AnsichtAusgabeAnschluss::AnsichtAusgabeAnschluss(TForm1 &f, Szene &s)
    : QObject(&f), DateiWahl(std::make_unique<SaveBMP>(&f)), form(f), szene(s)
{
    LernLeiste &leiste = *form.Werkzeugleiste;
    ExportBtn = leiste.KnopfHinzufuegen("ExportBtn", "Ansicht speichern", "Ansicht in Bilddatei speichern");
    ClipbordBtn = leiste.KnopfHinzufuegen("ClipbordBtn", "In Zwischenablage", "Ansicht in Zwischenablage kopieren");
    DruckBtn = leiste.KnopfHinzufuegen("DruckBtn", "Ansicht drucken", "Ansicht drucken");
    leiste.Abstand();
    connect(ExportBtn, &THoverPanel::clicked, this, &AnsichtAusgabeAnschluss::AnsichtExportieren);
    connect(ClipbordBtn, &THoverPanel::clicked, this, &AnsichtAusgabeAnschluss::AnsichtKopieren);
    connect(DruckBtn, &THoverPanel::clicked, this, &AnsichtAusgabeAnschluss::AnsichtDrucken);

    const struct
    {
        QAction *aktion;
        void (AnsichtAusgabeAnschluss::*befehl)();
    } eintraege[] = {
        {form.Menue.Exportieren1, &AnsichtAusgabeAnschluss::AnsichtExportieren},
        {form.Menue.IndieZwischenablageBMP, &AnsichtAusgabeAnschluss::AnsichtKopieren},
        {form.Menue.Drucken1, &AnsichtAusgabeAnschluss::AnsichtDrucken},
        {form.Menue.Druckereinrichtung1, &AnsichtAusgabeAnschluss::Druckereinrichtung1Click},
    };
    for (const auto &e : eintraege)
        if (e.aktion) {
            connect(e.aktion, &QAction::triggered, this, e.befehl);
            form.ErweitertAnzeigen(e.aktion);
        }
    connect(&form, &TForm1::BefehlsZustandGeaendert, this, &AnsichtAusgabeAnschluss::BefehleAktualisieren);
    BefehleAktualisieren();
}

bool AnsichtAusgabeAnschluss::AusgabeMoeglich() const
{
    // Without a document the view is an empty page: saving or copying it
    // would hand out a blank picture without a word.
    return form.DokumentGeladen() && !szene.AnzeigeBild.isNull();
}

void AnsichtAusgabeAnschluss::BefehleAktualisieren()
{
    const bool an = form.DokumentGeladen();
    for (THoverPanel *k : {ExportBtn, ClipbordBtn, DruckBtn})
        k->setEnabled(an);
    for (QAction *a : {form.Menue.Exportieren1, form.Menue.IndieZwischenablageBMP, form.Menue.Drucken1})
        form.EintragAktivSetzen(a, an);
}

AnsichtAusgabeAnschluss::~AnsichtAusgabeAnschluss() = default;

void AnsichtAusgabeAnschluss::AnsichtExportieren()
{
    QString pfad;
    if (!AusgabeMoeglich() || !DateiWahl || !DateiWahl->Waehlen(pfad, form.ExportOrdner))
        return;
    // The next export opens where this one went (kept in the settings).
    form.ExportOrdner = QFileInfo(pfad).absolutePath();
    if (FormatVonDateiname(pfad) == BildFormat::Ungueltig) {
        form.dienste.meldungen->Fehler(QString::fromUtf8(AnsichtAusgabe::EndungFehler));
        return;
    }
    bool ok;
    {
        Sanduhr sanduhr;
        ok = BildSpeichern(szene.AnzeigeBild, pfad);
    }
    // A full disk or a locked folder is told, never passed over.
    if (!ok)
        ZeigeSchreibFehler(*form.dienste.meldungen, pfad);
}

void AnsichtAusgabeAnschluss::AnsichtKopieren()
{
    if (!AusgabeMoeglich())
        return;
    Sanduhr sanduhr;
    QGuiApplication::clipboard()->setImage(szene.AnzeigeBild.convertToFormat(QImage::Format_RGB32));
    // The pause of the original command, without processing messages.
    QThread::msleep(100);
}

QPrinter &AnsichtAusgabeAnschluss::Drucker()
{
    if (!drucker)
        drucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *drucker;
}

void AnsichtAusgabeAnschluss::Druckereinrichtung1Click()
{
    QPageSetupDialog dlg(&Drucker(), &form);
    dlg.exec();
}

void AnsichtAusgabeAnschluss::AnsichtDrucken()
{
    // Printing is ours to decide; this edition's hidden command stays
    // without effect unless the extended functions are shown.
    if (!form.ErweiterteFunktionen() || !AusgabeMoeglich())
        return;
    const QImage bild = szene.AnzeigeBild.copy();
    QPrintDialog dlg(&Drucker(), &form);
    dlg.setWindowTitle("Ansicht drucken");
    if (dlg.exec() != QDialog::Accepted)
        return;
    if (!AufSeiteDrucken(Drucker(), bild))
        form.dienste.meldungen->Fehler("Die Ansicht konnte nicht gedruckt werden.");
}

bool AnsichtAusgabeAnschluss::AufSeiteDrucken(QPrinter &drucker, const QImage &bild)
{
    QPainter p;
    if (bild.isNull() || !p.begin(&drucker))
        return false;
    const QRect seite = p.viewport();
    QSize groesse = bild.size().scaled(seite.size(), Qt::KeepAspectRatio);
    const QRect ziel(seite.left() + (seite.width() - groesse.width()) / 2, seite.top(), groesse.width(),
                     groesse.height());
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.drawImage(ziel, bild);
    return p.end();
}
