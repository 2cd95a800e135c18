// The main menu with every caption and shortcut. Hidden items do not show,
// but their shortcuts work while they and every menu above them are
// enabled; items of later parts exist and do nothing until they are built.
#include "SpaltenMenue.h"
#include "TForm1.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

QMenu *TForm1::Untermenue(QMenu *ueber, const QString &name, const QString &caption, bool sichtbar)
{
    auto *m = new SpaltenMenue(caption, this);
    m->setObjectName(name);
    m->menuAction()->setObjectName(name + "Menue");
    const bool versteckt = !sichtbar || (ueber && ueber->property("versteckt").toBool());
    m->setProperty("versteckt", versteckt);
    m->setProperty("ueber", QVariant::fromValue<QObject *>(ueber));
    if (versteckt) {
        m->menuAction()->setVisible(false);
        versteckteMenues << m;
    }
    // Hidden top-level menus keep their place in the bar, invisibly, so the
    // switch for the full program can show them where they belong.
    if (ueber)
        ueber->addMenu(m);
    else
        menuBar()->addMenu(m);
    return m;
}

QAction *TForm1::Eintrag(QMenu *menue, const QString &name, const QString &caption, const QKeySequence &taste,
                         bool sichtbar)
{
    auto *a = new QAction(caption, this);
    a->setObjectName(name);
    a->setShortcut(taste);
    a->setProperty("eigenAktiv", true);
    const bool versteckt = !sichtbar || menue->property("versteckt").toBool();
    if (versteckt) {
        // Not in any shown menu: the window itself carries the shortcut.
        addAction(a);
        Versteckt v{a, {}};
        for (QObject *m = menue; m; m = m->property("ueber").value<QObject *>())
            v.kette << m;
        versteckte << v;
        zwillinge.insert(a, ZwillingAnlegen(menue, a));
    } else {
        menue->addAction(a);
    }
    return a;
}

void TForm1::BaueMenue()
{
    HauptMenue &m = Menue;

    // &Datei (hidden)
    m.Datei1 = Untermenue(nullptr, "Datei1", "&Datei", false);
    m.Oeffnen1 = Eintrag(m.Datei1, "Oeffnen1", "Ö&ffnen...", QKeySequence(Qt::CTRL | Qt::Key_O));
    m.DateiDokumenteigenschaften = Eintrag(m.Datei1, "DateiDokumenteigenschaften", "Do&kumenteigenschaften...",
                                           QKeySequence(Qt::ALT | Qt::Key_Return));
    m.Speichern1 = Eintrag(m.Datei1, "Speichern1", "&Speichern", QKeySequence(Qt::CTRL | Qt::Key_S));
    m.Speichernunter1 =
        Eintrag(m.Datei1, "Speichernunter1", "Speichern &unter...", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m.PerEMailversenden1 =
        Eintrag(m.Datei1, "PerEMailversenden1", "Per E-&Mail versenden...", QKeySequence(Qt::CTRL | Qt::Key_M));
    m.Drucken1 = Eintrag(m.Datei1, "Drucken1", "&Drucken...", QKeySequence(Qt::CTRL | Qt::Key_P));
    m.Druckereinrichtung1 = Eintrag(m.Datei1, "Druckereinrichtung1", "D&ruckereinrichtung...");
    m.Exportieren1 = Eintrag(m.Datei1, "Exportieren1", "&Exportieren...", QKeySequence(Qt::CTRL | Qt::Key_E));
    m.IndieZwischenablageBMP =
        Eintrag(m.Datei1, "IndieZwischenablageBMP", "In &Zwischenablage kopieren", QKeySequence(Qt::CTRL | Qt::Key_Z));
    m.Arbeitsblatterstellen1 =
        Eintrag(m.Datei1, "Arbeitsblatterstellen1", "&Arbeitsblatt erstellen...", QKeySequence(Qt::CTRL | Qt::Key_A));
    m.Schliessen1 = Eintrag(m.Datei1, "Schliessen1", "Sch&ließen", QKeySequence(Qt::CTRL | Qt::Key_F4));
    connect(m.Oeffnen1, &QAction::triggered, this, [this] { navigation->Oeffnen(); });
    connect(m.Schliessen1, &QAction::triggered, this, [this] { navigation->Schliessen(); });

    // &Aktion
    m.Uebung1 = Untermenue(nullptr, "Uebung1", "&Aktion");
    m.UebungStart1 = Eintrag(m.Uebung1, "UebungStart1", "Quiz &starten", QKeySequence(Qt::Key_F7));
    m.UebOpt1 = Eintrag(m.Uebung1, "UebOpt1", "Übungs&optionen...", QKeySequence(Qt::ALT | Qt::Key_F7), false);
    m.Bestenliste1 = Eintrag(m.Uebung1, "Bestenliste1", "&Bestenliste...", QKeySequence(Qt::CTRL | Qt::Key_F7));
    m.ProtokollderletztenUebung1 = Eintrag(m.Uebung1, "ProtokollderletztenUebung1", "&Protokoll...");
    m.Netzwerkuebung1 =
        Eintrag(m.Uebung1, "Netzwerkuebung1", "An Netzwerk-Übung &teilnehmen...", QKeySequence(Qt::Key_F8), false);
    m.BestenlistezurNetzwerkuebung1 = Eintrag(m.Uebung1, "BestenlistezurNetzwerkuebung1",
                                              "Besten&liste Netzwerk-Übung...", QKeySequence(Qt::CTRL | Qt::Key_F8),
                                              false);
    m.Uebung1->addSeparator();
    m.Lernkarte1 = Eintrag(m.Uebung1, "Lernkarte1", "Quiz &abbrechen");
    m.Uebung1->addSeparator();
    m.Beenden1 = Eintrag(m.Uebung1, "Beenden1", "Programm &beenden");
    connect(m.UebungStart1, &QAction::triggered, this, &TForm1::UebungStart1Click);
    connect(m.Lernkarte1, &QAction::triggered, this, &TForm1::Lernkarte1Click);
    connect(m.Beenden1, &QAction::triggered, this, &QWidget::close);

    // &Quizauswahl: nine fixed items, then the topics.
    m.Auswahl1 = Untermenue(nullptr, "Auswahl1", "&Quizauswahl");
    m.Startseite1 = Eintrag(m.Auswahl1, "Startseite1", "&Startseite", QKeySequence(Qt::ALT | Qt::Key_Home));
    m.ZuletztAngzeigtesDokument1 = Eintrag(m.Auswahl1, "ZuletztAngzeigtesDokument1", "&Zuvor angzeigtes Dokument",
                                           QKeySequence(Qt::ALT | Qt::Key_Backspace), false);
    m.Auswahl1->addSeparator();
    m.PrevDok1 = Eintrag(m.Auswahl1, "PrevDok1", "&Vorheriges Quiz der Liste", QKeySequence(Qt::Key_PageUp), false);
    m.NextDok1 = Eintrag(m.Auswahl1, "NextDok1", "&Nächstes Quiz der Liste", QKeySequence(Qt::Key_PageDown), false);
    m.Auswahl1->addSeparator();
    m.Ordnerneueinlesen1 = Eintrag(m.Auswahl1, "Ordnerneueinlesen1", "&Aktuellen Ordner neu einlesen", {}, false);
    m.Ordnerwaehlen1 =
        Eintrag(m.Auswahl1, "Ordnerwaehlen1", "&Ordner wählen...", QKeySequence(Qt::CTRL | Qt::Key_W), false);
    m.Auswahl1->addSeparator()->setVisible(false);
    connect(m.Startseite1, &QAction::triggered, this, [this] { navigation->Startseite(); });
    connect(m.ZuletztAngzeigtesDokument1, &QAction::triggered, this,
            [this] { navigation->ZuletztAngezeigtesDokument(); });
    connect(m.PrevDok1, &QAction::triggered, this, [this] { navigation->VorigesThema(); });
    connect(m.NextDok1, &QAction::triggered, this, [this] { navigation->NaechstesThema(); });
    connect(m.Ordnerneueinlesen1, &QAction::triggered, this, [this] { navigation->OrdnerNeuEinlesen(); });
    connect(m.Ordnerwaehlen1, &QAction::triggered, this, [this] { navigation->OrdnerWaehlen(); });

    // &Lernansicht (hidden); the learning view adds its own items.
    m.Lernansicht1 = Untermenue(nullptr, "Lernansicht1", "&Lernansicht", false);
    m.Werkzeugleisteklappen1 = Eintrag(m.Lernansicht1, "Werkzeugleisteklappen1", "Werkzeugleiste zu&klappen",
                                       QKeySequence(Qt::ALT | Qt::Key_W));

    // Lehrer&steuerung (hidden)
    m.Lehrer1 = Untermenue(nullptr, "Lehrer1", "Lehrer&steuerung", false);
    m.Netzwerkuebunginitiieren1 =
        Eintrag(m.Lehrer1, "Netzwerkuebunginitiieren1", "&Netzwerk-Übung initiieren...", QKeySequence(Qt::Key_F9));
    m.LehrerNetzwerkUebungbeenden1 = Eintrag(m.Lehrer1, "LehrerNetzwerkUebungbeenden1", "Netzwerk-Übung &beenden");
    m.NetzwerkbungKontrollanzeige1 =
        Eintrag(m.Lehrer1, "NetzwerkbungKontrollanzeige1", "&Kontrollanzeige...", QKeySequence(Qt::ALT | Qt::Key_F9));

    // &Autorenfunktion (hidden, no effect in this edition)
    m.Editor1 = Untermenue(nullptr, "Editor1", "&Autorenfunktion", false);
    m.NeuesDokument1 = Eintrag(m.Editor1, "NeuesDokument1", "&Neues Dokument anlegen");
    m.Assistent1 = Eintrag(m.Editor1, "Assistent1", "&Assistent einblenden");
    m.EditorDokumenteigenschaften1 = Eintrag(m.Editor1, "EditorDokumenteigenschaften1", "Do&kumenteigenschaften...");
    m.Inhaltebearbeiten1 = Eintrag(m.Editor1, "Inhaltebearbeiten1", "&Inhalte bearbeiten...", QKeySequence(Qt::Key_F2));
    m.Dokumententyp1 = Untermenue(m.Editor1, "Dokumententyp1", "&Dokumententyp");
    m.Dokumententyp1->setEnabled(false);
    dokTypGruppe = new QActionGroup(this);
    const char *typen[] = {"&Bildbeschriftung", "&Lückentext", "&Einzelfragen"};
    for (int i = 0; i < 3; ++i) {
        QAction *a = Eintrag(m.Dokumententyp1, "DokTyp" + QString::number(i), typen[i]);
        a->setCheckable(true);
        a->setActionGroup(dokTypGruppe);
        m.DokTyp[i] = a;
    }
    m.DokTyp[0]->setChecked(true);

    // &Optionen. A checkable item inverts its own checkmark on every click.
    m.Optionen1 = Untermenue(nullptr, "Optionen1", "&Optionen");
    auto schalter = [this, &m](const QString &name, const QString &text, bool an) {
        QAction *a = Eintrag(m.Optionen1, name, text);
        a->setCheckable(true);
        a->setChecked(an);
        return a;
    };
    m.Sound1 = schalter("Sound1", "&Tonausgabe", true);
    m.OptNameEingabe1 = schalter("OptNameEingabe1", "&Namenseingabe bei Quiz-Start", true);
    m.AutoProtSpeichern1 = schalter("AutoProtSpeichern1", "&Protokolle automatisch speichern", false);
    m.ErgebBestListEintragen1 =
        schalter("ErgebBestListEintragen1", "&Ergebnisse automatisch in Bestenliste eintragen", true);
    m.ErweiterteFunktionen1 = schalter("ErweiterteFunktionen1", "Erweiterte &Funktionen anzeigen", false);
    connect(m.ErweiterteFunktionen1, &QAction::toggled, this, &TForm1::ErweiterteFunktionenSetzen);
    m.Optionen1->addSeparator();
    m.Anzeige1 = Untermenue(m.Optionen1, "Anzeige1", "An&zeige");
    m.Vollbild1 = Eintrag(m.Anzeige1, "Vollbild1", "&Vollbild", QKeySequence(Qt::CTRL | Qt::Key_L));
    m.Fenster1 = Eintrag(m.Anzeige1, "Fenster1", "&Fenster", QKeySequence(Qt::CTRL | Qt::Key_F));
    m.Minimieren1 = Eintrag(m.Anzeige1, "Minimieren1", "&Minimieren", QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(m.Vollbild1, &QAction::triggered, this, &TForm1::Vollbild1Click);
    connect(m.Fenster1, &QAction::triggered, this, &TForm1::Fenster1Click);
    connect(m.Minimieren1, &QAction::triggered, this, &TForm1::Minimieren1Click);
    m.Optionen1->addSeparator();
    m.Kommunikationsverzeichnis1 =
        Eintrag(m.Optionen1, "Kommunikationsverzeichnis1", "Netzwerk-&Kommunikation...", {}, false);
    m.OrdnerBestenlisten1 = Eintrag(m.Optionen1, "OrdnerBestenlisten1", "&Ordner für Protokolle und Bestenlisten...");

    // &Hilfe
    m.Hilfe1 = Untermenue(nullptr, "Hilfe1", "&Hilfe");
    m.Inhalt1 = Eintrag(m.Hilfe1, "Inhalt1", "&Inhalt", QKeySequence(Qt::Key_F1), false);
    m.TippsHinweise1 = Eintrag(m.Hilfe1, "TippsHinweise1", "&Tipps && Hinweise", {}, false);
    m.Homepage1 = Eintrag(m.Hilfe1, "Homepage1", "&Pennoria online");
    m.Hilfe1->addSeparator();
    m.Info1 = Eintrag(m.Hilfe1, "Info1", "Inf&o...");
    connect(m.Inhalt1, &QAction::triggered, this, &TForm1::Inhalt1Click);
    connect(m.Homepage1, &QAction::triggered, this, &TForm1::Homepage1Click);

    // Hidden items that already have an effect; later parts register theirs.
    // The author functions register theirs ("&Speichern" among them).
    for (QAction *a : {m.Oeffnen1, m.Schliessen1, m.UebOpt1, m.ZuletztAngzeigtesDokument1, m.PrevDok1, m.NextDok1,
                       m.Ordnerneueinlesen1, m.Ordnerwaehlen1, m.Inhalt1})
        ErweitertAnzeigen(a);

    VersteckteKuerzelAktualisieren();
}

QAction *TForm1::EintragHinzufuegen(QMenu *menue, const QString &name, const QString &caption,
                                    const QKeySequence &taste)
{
    QAction *a = Eintrag(menue, name, caption, taste);
    VersteckteKuerzelAktualisieren();
    return a;
}

void TForm1::EintragAktivSetzen(QAction *eintrag, bool an)
{
    if (!eintrag || eintrag->property("eigenAktiv").toBool() == an)
        return;
    eintrag->setProperty("eigenAktiv", an);
    const bool versteckt = std::any_of(versteckte.cbegin(), versteckte.cend(),
                                       [eintrag](const Versteckt &v) { return v.aktion == eintrag; });
    if (versteckt)
        VersteckteKuerzelAktualisieren();
    else
        eintrag->setEnabled(an);
}

QMenu *TForm1::UntermenueHinzufuegen(QMenu *ueber, const QString &name, const QString &caption)
{
    return Untermenue(ueber, name, caption);
}
