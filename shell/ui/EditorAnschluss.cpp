// The author functions as connected to the main window.
#include "EditorAnschluss.h"

#include "BeschriftungsWerkzeug.h"
#include "DokumentModell.h"
#include "NeuesDokument.h"
#include "Ordner.h"
#include "Szene.h"
#include "TAssistentForm.h"
#include "TDokEigenschaftenForm.h"
#include "TEditorForm.h"
#include "TForm1.h"
#include "TNeuesDokumentForm.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>

EditorAnschluss::EditorAnschluss(TForm1 &f, Szene &s, QWidget *bild)
    : QObject(&f), Editor(f.Zustand.Dok), form(f), szene(s), lernbild(bild)
{
    HauptMenue &m = form.Menue;
    DateiNameErfragen = [this](const QString &ordner) {
        QString pfad = QFileDialog::getSaveFileName(&form, QStringLiteral("Dokument speichern unter"), ordner,
                                                    QStringLiteral("Tavolin - Dokument (*.tvl)"));
        if (!pfad.isEmpty() && QFileInfo(pfad).suffix().isEmpty())
            pfad += QStringLiteral(".tvl");
        return pfad;
    };
    form.SpeichernBefehl = [this] { return Speichern(); };

    connect(m.Speichern1, &QAction::triggered, this, [this] {
        // With the switch off only a document changed before can be saved.
        if (form.ErweiterteFunktionen() || form.Zustand.Dok.Geaendert)
            Speichern();
    });
    connect(m.Speichernunter1, &QAction::triggered, this, [this] {
        if (Bereit() && form.DokumentGeladen())
            SpeichernUnter();
    });
    connect(m.NeuesDokument1, &QAction::triggered, this, &EditorAnschluss::NeuesDokument);
    connect(m.EditorDokumenteigenschaften1, &QAction::triggered, this, &EditorAnschluss::Eigenschaften);
    connect(m.DateiDokumenteigenschaften, &QAction::triggered, this, &EditorAnschluss::Eigenschaften);
    connect(m.Inhaltebearbeiten1, &QAction::triggered, this, &EditorAnschluss::InhalteBearbeiten);
    connect(m.Assistent1, &QAction::triggered, this, &EditorAnschluss::AssistentZeigen);
    for (int i = 0; i < 3; ++i)
        connect(m.DokTyp[i], &QAction::triggered, this, [this, i] { DokTypWaehlen(i); });
    for (QAction *a : {m.Speichern1, m.Speichernunter1, m.DateiDokumenteigenschaften, m.NeuesDokument1, m.Assistent1,
                       m.EditorDokumenteigenschaften1, m.Inhaltebearbeiten1, m.DokTyp[0], m.DokTyp[1], m.DokTyp[2]})
        form.ErweitertAnzeigen(a);
    // The document type can be chosen with the switch on only.
    m.Dokumententyp1->setEnabled(form.ErweiterteFunktionen());
    connect(&form, &TForm1::ErweiterteFunktionenGeaendert, this,
            [this](bool an) { form.Menue.Dokumententyp1->setEnabled(an); });

    // Labels placed on the learning view's own picture.
    BeschriftenImBild = form.EintragHinzufuegen(m.Editor1, "BeschriftenImBild1", "&Beschriftungen im Bild setzen");
    BeschriftenImBild->setCheckable(true);
    form.ErweitertAnzeigen(BeschriftenImBild);
    connect(BeschriftenImBild, &QAction::toggled, this, [this] {
        if (form.DokumentGeladen())
            AnsichtFolgen();
    });
    werkzeug = std::make_unique<BeschriftungsWerkzeug>(Editor, szene);
    TextErfragen = [this](QString &text) {
        bool ok = false;
        text = QInputDialog::getText(&form, QStringLiteral("Neue Beschriftung"),
                                     QStringLiteral("&Text der Beschriftung:"), QLineEdit::Normal, {}, &ok);
        return ok;
    };
    if (lernbild)
        lernbild->installEventFilter(this);

    connect(&form, &TForm1::DokumentGewechselt, this, [this] {
        Editor.Zuruecksetzen(false);
        AssistentAktualisieren();
    });
    connect(&form, &TForm1::BefehlsZustandGeaendert, this, &EditorAnschluss::AssistentAktualisieren);
    connect(&Editor, &Bearbeitung::InhaltGeaendert, this, &EditorAnschluss::AnsichtFolgen);
}

EditorAnschluss::~EditorAnschluss() = default;

bool EditorAnschluss::Bereit() const
{
    return form.ErweiterteFunktionen() && form.Zustand.AnsichtModus == AnsichtArt::Startseite;
}

void EditorAnschluss::AnsichtFolgen()
{
    if (form.Zustand.AnsichtModus != AnsichtArt::Startseite)
        return;
    form.DokTypMenuSetzen(DokTypMenuEintrag(form.Zustand.Dok.DokTyp));
    szene.NummerierungSetzen(szene.NummerierModus, false);
    // While labels are set in the picture their captions are seen.
    if (BeschriftenImBild && BeschriftenImBild->isChecked())
        for (DokObjekt &o : form.Zustand.Dok.Objekte)
            o.Abdeckung = AbdeckungsArt::Aufgedeckt;
    szene.SzeneAufbauen();
    if (lernbild)
        lernbild->update();
    form.Navigation().SchreibeTitelzeile();
    emit form.BefehlsZustandGeaendert();
}

bool EditorAnschluss::Speichern()
{
    DokumentZustand &z = form.Zustand;
    if (!form.DokumentGeladen())
        return true;
    if (z.Dok.DateiName.isEmpty())
        return SpeichernUnter();
    const bool ok = Editor.Speichern(z, form, *form.dienste.meldungen, z.Dok.DateiName);
    form.Navigation().SchreibeTitelzeile();
    AssistentAktualisieren();
    return ok;
}

bool EditorAnschluss::SpeichernUnter()
{
    DokumentZustand &z = form.Zustand;
    const QString ordner = z.Dok.DateiName.isEmpty() ? Ordner().AktOrdner : z.Dok.DateiName;
    const QString pfad = DateiNameErfragen ? DateiNameErfragen(ordner) : QString();
    if (pfad.isEmpty())
        return false;
    if (!Editor.Speichern(z, form, *form.dienste.meldungen, pfad))
        return false;
    // The saved file is listed with the topics of its folder.
    Ordner().AktOrdner = QFileInfo(pfad).absolutePath() + '/';
    form.Navigation().BaueThemenliste();
    AssistentAktualisieren();
    return true;
}

void EditorAnschluss::NeuesDokument()
{
    if (!Bereit() || !form.Navigation().VerlasseDokument())
        return;
    TNeuesDokumentForm dialog(*form.dienste.meldungen, &form);
    if (dialog.exec() != QDialog::Accepted)
        return;
    DokumentZustand &z = form.Zustand;
    LeereDokument(z, form);
    z.Dok = NeuesDokumentAnlegen(dialog.Angaben());
    z.AktFrage = z.Dok.AnzFrageNummern > 0 ? 1 : -1;
    form.DokTypMenuSetzen(DokTypMenuEintrag(z.Dok.DokTyp));
    form.ZoomUndNummerierungZuruecksetzen();
    // After the view's reset, which drops the history of the document before.
    Editor.Zuruecksetzen(true);
    form.ZeigeStartseite();
    AnsichtFolgen();
    InhalteBearbeiten();
}

void EditorAnschluss::Eigenschaften()
{
    if (!Bereit() || !form.DokumentGeladen())
        return;
    TDokEigenschaftenForm dialog(Editor, *form.dienste.meldungen, &form);
    dialog.exec();
}

void EditorAnschluss::InhalteBearbeiten()
{
    if (!Bereit())
        return;
    if (!form.DokumentGeladen()) {
        form.dienste.meldungen->Information(
            QStringLiteral("Öffnen Sie zuerst ein Dokument oder legen Sie ein neues an (\"Neues Dokument anlegen\")."));
        return;
    }
    TEditorForm fenster(
        Editor, *form.dienste.meldungen, Ordner().ProgOrdner, [this] { return Speichern(); }, &form);
    // As large as the screen allows, up to a size where the pages breathe.
    const QRect platz = form.screen() ? form.screen()->availableGeometry() : QRect(0, 0, 1280, 1024);
    fenster.resize(qMin(1180, platz.width() - 40), qMin(760, platz.height() - 60));
    fenster.move(platz.center() - fenster.rect().center());
    emit EditorGeoeffnet(&fenster);
    const int ende = fenster.exec();
    AnsichtFolgen();
    if (ende == TEditorForm::Ausprobieren)
        form.UebungStart1Click();
}

void EditorAnschluss::DokTypWaehlen(int art)
{
    if (!Bereit() || !form.DokumentGeladen() || art < 0 || art > 2)
        return;
    const QString fehler = Editor.DokTypSetzen(DokArt(art));
    if (!fehler.isEmpty())
        form.dienste.meldungen->Fehler(fehler);
    form.DokTypMenuSetzen(DokTypMenuEintrag(form.Zustand.Dok.DokTyp));
}

bool EditorAnschluss::eventFilter(QObject *obj, QEvent *e)
{
    const bool maus = e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseMove
                      || e->type() == QEvent::MouseButtonRelease;
    if (obj != lernbild || !maus || !BeschriftenImBild->isChecked() || !Bereit() || !form.DokumentGeladen()
        || form.Zustand.Dok.DokTyp != DokArt::Bildbeschriftung)
        return QObject::eventFilter(obj, e);
    auto *m = static_cast<QMouseEvent *>(e);
    const QPoint p = m->position().toPoint();
    if (e->type() == QEvent::MouseButtonPress && m->button() == Qt::LeftButton) {
        werkzeug->Druck(p);
    } else if (e->type() == QEvent::MouseMove && (m->buttons() & Qt::LeftButton)) {
        werkzeug->Bewegung(p);
    } else if (e->type() == QEvent::MouseButtonRelease && m->button() == Qt::LeftButton && werkzeug->Los(p)) {
        while (werkzeug->Wartend) {
            QString text;
            if (!TextErfragen || !TextErfragen(text)) {
                werkzeug->Verwerfen();
                break;
            }
            const QString fehler = werkzeug->Anlegen(text);
            if (!fehler.isEmpty())
                form.dienste.meldungen->Fehler(fehler);
        }
    }
    // The view's own tools do not see the mouse meanwhile.
    return true;
}

void EditorAnschluss::AssistentZeigen()
{
    if (!Bereit())
        return;
    if (!Assistent) {
        Assistent = new TAssistentForm(&form);
        Assistent->Befehle = {[this] { NeuesDokument(); }, [this] { InhalteBearbeiten(); }, [this] { Speichern(); },
                              [this] { form.UebungStart1Click(); }};
        // Beside the main window where the screen has room, else over its
        // lower left corner, where the picture has the least to show.
        const QRect f = form.frameGeometry();
        const QRect platz = form.screen() ? form.screen()->availableGeometry() : f;
        if (f.right() + 350 <= platz.right())
            Assistent->move(f.right() + 10, f.top() + 60);
        else
            Assistent->move(f.left() + 20, f.bottom() - 320);
    }
    AssistentAktualisieren();
    Assistent->show();
    Assistent->raise();
}

void EditorAnschluss::AssistentAktualisieren()
{
    if (Assistent)
        Assistent->Aktualisieren(form.Zustand.Dok, form.DokumentGeladen());
}
