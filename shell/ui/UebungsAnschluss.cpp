#include "UebungsAnschluss.h"

#include "ErgebnisSteuerung.h"
#include "TForm1.h"
#include "TUebFertigForm.h"
#include "UebungsSteuerung.h"

#include "Ordner.h"
#include "Szene.h"
#include "THoverPanel.h"

#include <QAction>

UebungsAnschluss::UebungsAnschluss(TForm1 &f, Szene &szene) : QObject(&f), form(f)
{
    UebungsSteuerung::Fenster w;
    w.UebungPan = f.UebungPan;
    w.StatistikLabels = f.StatistikLabels;
    w.AnsichtModus = [&f] { return f.AnsichtModus; };
    w.QuizModusSetzen = [&f] {
        f.AnsichtModus = 3;
        f.AktualisiereKnoepfe();
    };
    w.StartseiteZeigen = [&f] {
        f.LernKartPicImg->show();
        f.ZeigeStartseite();
    };
    w.KnoepfeAktualisieren = [&f] { f.AktualisiereKnoepfe(); };
    w.UebungenBtnLoesen = [&f] {
        f.UebungenBtn->setChecked(false);
        f.UebungenBtn->update();
    };
    w.UebungPanPlatzieren = [&f] {
        f.LernKartPicImg->hide();
        f.UebungPan->setGeometry(9, 8, f.LernKartPan->width() - 17, f.LernKartPan->height() - 16);
    };
    w.BildGroesseSetzen = [&f](QSize s) { f.LernKartPicImg->resize(s); };
    w.NummerierungErneuern = [&f, &szene] {
        if (f.NummerierungAnwenden)
            f.NummerierungAnwenden();
        else
            szene.NummerierungSetzen(f.NummerierModus, false);
    };
    auto haken = [&f](const char *name) {
        return [&f, name] {
            QAction *a = f.Aktion(QString::fromLatin1(name));
            return a && a->isChecked();
        };
    };
    w.Tonausgabe = haken("Sound1");
    w.NameEingabe = haken("OptNameEingabe1");
    w.AutoProtSpeichern = haken("AutoProtSpeichern1");
    w.ProtOrdner = [] { return Ordner().ProtOrdner; };

    Steuerung = new UebungsSteuerung(f.Zustand, f.dienste, szene, w, &f);
    UebungsSteuerung *s = Steuerung;

    f.UebungStarten = [s](bool zeigen, int umfang, int rolle) { return s->UebungStarten(zeigen, umfang, rolle); };
    f.OptionenVorJederUebung = [s] { return s->OptionenVorJederUebung(); };
    f.UebungVerlassen = [s] { s->UebungVerlassen(); };
    f.QuizBeendet = [s] { return s->Engine.Lauf.Endestatus != 0; };
    f.IstNetzwerkQuiz = [s] { return s->Engine.Lauf.NetzRolle > 0; };
    f.UebungPanAnordnen = [s] {
        s->Engine.AntwortfelderAnordnen();
        s->Engine.AnweisungZeichnen(true);
    };
    // The dialogs hold the option values from now on; what the window held
    // so far (settings read before) moves over.
    s->OptWerteSetzen(f.UebOptHolen());
    f.UebOptHolen = [s] { return s->OptWerteHolen(); };
    f.UebOptSetzen = [s](const UebOptWerte &o) { s->OptWerteSetzen(o); };

    if (QAction *a = f.Aktion("UebOpt1"))
        connect(a, &QAction::triggered, s, &UebungsSteuerung::UebOpt1Click);
    if (QAction *a = f.Aktion("ProtokollderletztenUebung1"))
        connect(a, &QAction::triggered, s, &UebungsSteuerung::ProtokollderletztenUebung1Click);
}

void UebungsAnschluss::ErgebnisAnschliessen(ErgebnisSteuerung &e)
{
    UebungsSteuerung *s = Steuerung;
    s->Ergebnis = [&e] { e.ErgebnisAnzeigen(); };
    s->NamenDialog = [&e](QString &name) { return e.NamenErfragen(name); };
    e.Umgebung.protokollDarstellen = [s] { s->ProtokollDarstellen(); };
    e.Umgebung.protokollAutoSpeichern = [s] { s->ProtokollAutoSpeichern(); };
    e.Umgebung.optionenVorJederUebung = [s] { return s->OptionenVorJederUebung(); };
    e.ProtokollZeigen = [s] { s->ProtokollderletztenUebung1Click(); };
    TForm1 *f = &form;
    e.Umgebung.ergebBestListEintragenAktiv = [f] {
        QAction *a = f->Aktion("ErgebBestListEintragen1");
        return a && a->isChecked();
    };
}
