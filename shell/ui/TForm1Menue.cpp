// The main menu with every caption and shortcut. Hidden items do not show,
// but their shortcuts work while they and every menu above them are
// enabled; items of later parts exist and do nothing until they are built.
#include "TForm1.h"
#include "SpaltenMenue.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

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
    menues.insert(name, m);
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
    aktionen.insert(name, a);
    return a;
}

void TForm1::BaueMenue()
{
    // &Datei (hidden)
    QMenu *datei = Untermenue(nullptr, "Datei1", "&Datei", false);
    connect(Eintrag(datei, "Oeffnen1", "Ö&ffnen...", QKeySequence("Ctrl+O")), &QAction::triggered, this,
            [this] { navigation->Oeffnen(); });
    Eintrag(datei, "DateiDokumenteigenschaften", "Do&kumenteigenschaften...", QKeySequence("Alt+Return"));
    connect(Eintrag(datei, "Speichern1", "&Speichern", QKeySequence("Ctrl+S")), &QAction::triggered, this,
            &TForm1::Speichern);
    Eintrag(datei, "Speichernunter1", "Speichern &unter...", QKeySequence("Ctrl+Shift+S"));
    PerEMailversenden1 = Eintrag(datei, "PerEMailversenden1", "Per E-&Mail versenden...", QKeySequence("Ctrl+M"));
    Drucken1 = Eintrag(datei, "Drucken1", "&Drucken...", QKeySequence("Ctrl+P"));
    Druckereinrichtung1 = Eintrag(datei, "Druckereinrichtung1", "D&ruckereinrichtung...");
    Exportieren1 = Eintrag(datei, "Exportieren1", "&Exportieren...", QKeySequence("Ctrl+E"));
    IndieZwischenablageBMP =
        Eintrag(datei, "IndieZwischenablageBMP", "In &Zwischenablage kopieren", QKeySequence("Ctrl+Z"));
    Arbeitsblatterstellen1 =
        Eintrag(datei, "Arbeitsblatterstellen1", "&Arbeitsblatt erstellen...", QKeySequence("Ctrl+A"));
    connect(Eintrag(datei, "Schliessen1", "Sch&ließen", QKeySequence("Ctrl+F4")), &QAction::triggered, this,
            [this] { navigation->Schliessen(); });

    // &Aktion
    QMenu *aktion = Untermenue(nullptr, "Uebung1", "&Aktion");
    connect(Eintrag(aktion, "UebungStart1", "Quiz &starten", QKeySequence("F7")), &QAction::triggered, this,
            &TForm1::UebungStart1Click);
    Eintrag(aktion, "UebOpt1", "Übungs&optionen...", QKeySequence("Alt+F7"), false);
    Eintrag(aktion, "Bestenliste1", "&Bestenliste...", QKeySequence("Ctrl+F7"));
    Eintrag(aktion, "ProtokollderletztenUebung1", "&Protokoll...");
    Eintrag(aktion, "Netzwerkuebung1", "An Netzwerk-Übung &teilnehmen...", QKeySequence("F8"), false);
    Eintrag(aktion, "BestenlistezurNetzwerkuebung1", "Besten&liste Netzwerk-Übung...", QKeySequence("Ctrl+F8"),
            false);
    aktion->addSeparator();
    connect(Eintrag(aktion, "Lernkarte1", "Quiz &abbrechen"), &QAction::triggered, this, &TForm1::Lernkarte1Click);
    aktion->addSeparator();
    connect(Eintrag(aktion, "Beenden1", "Programm &beenden"), &QAction::triggered, this, &QWidget::close);

    // &Quizauswahl: nine fixed items, then the topics.
    QMenu *auswahl = Untermenue(nullptr, "Auswahl1", "&Quizauswahl");
    connect(Eintrag(auswahl, "Startseite1", "&Startseite", QKeySequence("Alt+Home")), &QAction::triggered, this,
            [this] { navigation->Startseite(); });
    connect(Eintrag(auswahl, "ZuletztAngzeigtesDokument1", "&Zuvor angzeigtes Dokument",
                    QKeySequence("Alt+Backspace"), false),
            &QAction::triggered, this, [this] { navigation->ZuletztAngezeigtesDokument(); });
    auswahl->addSeparator();
    connect(Eintrag(auswahl, "PrevDok1", "&Vorheriges Quiz der Liste", QKeySequence("PgUp"), false),
            &QAction::triggered, this, [this] { navigation->VorigesThema(); });
    connect(Eintrag(auswahl, "NextDok1", "&Nächstes Quiz der Liste", QKeySequence("PgDown"), false),
            &QAction::triggered, this, [this] { navigation->NaechstesThema(); });
    auswahl->addSeparator();
    connect(Eintrag(auswahl, "Ordnerneueinlesen1", "&Aktuellen Ordner neu einlesen", {}, false),
            &QAction::triggered, this, [this] { navigation->OrdnerNeuEinlesen(); });
    connect(Eintrag(auswahl, "Ordnerwaehlen1", "&Ordner wählen...", QKeySequence("Ctrl+W"), false),
            &QAction::triggered, this, [this] { navigation->OrdnerWaehlen(); });
    auswahl->addSeparator()->setVisible(false);

    // &Lernansicht (hidden); the learning view adds its own items.
    QMenu *lern = Untermenue(nullptr, "Lernansicht1", "&Lernansicht", false);
    Werkzeugleisteklappen1 = Eintrag(lern, "Werkzeugleisteklappen1", "Werkzeugleiste zu&klappen", QKeySequence("Alt+W"));

    // Lehrer&steuerung (hidden)
    QMenu *lehrer = Untermenue(nullptr, "Lehrer1", "Lehrer&steuerung", false);
    Eintrag(lehrer, "Netzwerkuebunginitiieren1", "&Netzwerk-Übung initiieren...", QKeySequence("F9"));
    Eintrag(lehrer, "LehrerNetzwerkUebungbeenden1", "Netzwerk-Übung &beenden");
    Eintrag(lehrer, "NetzwerkbungKontrollanzeige1", "&Kontrollanzeige...", QKeySequence("Alt+F9"));

    // &Autorenfunktion (hidden, no effect in this edition)
    QMenu *editor = Untermenue(nullptr, "Editor1", "&Autorenfunktion", false);
    Eintrag(editor, "NeuesDokument1", "&Neues Dokument anlegen");
    Eintrag(editor, "Assistent1", "&Assistent einblenden");
    Eintrag(editor, "EditorDokumenteigenschaften1", "Do&kumenteigenschaften...");
    Eintrag(editor, "Inhaltebearbeiten1", "&Inhalte bearbeiten...", QKeySequence("F2"));
    QMenu *dokTyp = Untermenue(editor, "Dokumententyp1", "&Dokumententyp");
    dokTyp->setEnabled(false);
    dokTypGruppe = new QActionGroup(this);
    const char *typen[] = {"&Bildbeschriftung", "&Lückentext", "&Einzelfragen"};
    for (int i = 0; i < 3; ++i) {
        QAction *a = Eintrag(dokTyp, "DokTyp" + QString::number(i), typen[i]);
        a->setCheckable(true);
        a->setActionGroup(dokTypGruppe);
    }
    Aktion("DokTyp0")->setChecked(true);

    // &Optionen
    QMenu *optionen = Untermenue(nullptr, "Optionen1", "&Optionen");
    const struct
    {
        const char *name, *text;
        bool an;
    } schalter[] = {
        {"Sound1", "&Tonausgabe", true},
        {"OptNameEingabe1", "&Namenseingabe bei Quiz-Start", true},
        {"AutoProtSpeichern1", "&Protokolle automatisch speichern", false},
        {"ErgebBestListEintragen1", "&Ergebnisse automatisch in Bestenliste eintragen", true},
    };
    for (const auto &s : schalter) {
        // A checkable item inverts its own checkmark on every click.
        QAction *a = Eintrag(optionen, s.name, s.text);
        a->setCheckable(true);
        a->setChecked(s.an);
    }
    QAction *erweitertSchalter = Eintrag(optionen, "ErweiterteFunktionen1", "Erweiterte &Funktionen anzeigen");
    erweitertSchalter->setCheckable(true);
    connect(erweitertSchalter, &QAction::toggled, this, &TForm1::ErweiterteFunktionenSetzen);
    optionen->addSeparator();
    QMenu *anzeige = Untermenue(optionen, "Anzeige1", "An&zeige");
    connect(Eintrag(anzeige, "Vollbild1", "&Vollbild", QKeySequence("Ctrl+L")), &QAction::triggered, this,
            &TForm1::Vollbild1Click);
    connect(Eintrag(anzeige, "Fenster1", "&Fenster", QKeySequence("Ctrl+F")), &QAction::triggered, this,
            &TForm1::Fenster1Click);
    connect(Eintrag(anzeige, "Minimieren1", "&Minimieren", QKeySequence("Ctrl+N")), &QAction::triggered, this,
            &TForm1::Minimieren1Click);
    optionen->addSeparator();
    Eintrag(optionen, "Kommunikationsverzeichnis1", "Netzwerk-&Kommunikation...", {}, false);
    Eintrag(optionen, "OrdnerBestenlisten1", "&Ordner für Protokolle und Bestenlisten...");

    // &Hilfe
    QMenu *hilfe = Untermenue(nullptr, "Hilfe1", "&Hilfe");
    connect(Eintrag(hilfe, "Inhalt1", "&Inhalt", QKeySequence("F1"), false), &QAction::triggered, this,
            &TForm1::Inhalt1Click);
    Eintrag(hilfe, "TippsHinweise1", "&Tipps && Hinweise", {}, false);
    connect(Eintrag(hilfe, "Homepage1", "Pennoria &online"), &QAction::triggered, this, &TForm1::Homepage1Click);
    hilfe->addSeparator();
    Info1 = Eintrag(hilfe, "Info1", "Inf&o...");

    // Hidden items that already have an effect; later parts register theirs.
    for (const char *name : {"Oeffnen1", "Speichern1", "Schliessen1", "UebOpt1", "ZuletztAngzeigtesDokument1",
                             "PrevDok1", "NextDok1", "Ordnerneueinlesen1", "Ordnerwaehlen1", "Inhalt1"})
        ErweitertAnzeigen(Aktion(name));

    VersteckteKuerzelAktualisieren();
}

QAction *TForm1::EintragHinzufuegen(const QString &menue, const QString &name, const QString &caption,
                                    const QKeySequence &taste)
{
    QMenu *m = Menue(menue);
    if (!m)
        return nullptr;
    QAction *a = Eintrag(m, name, caption, taste);
    VersteckteKuerzelAktualisieren();
    return a;
}

QMenu *TForm1::UntermenueHinzufuegen(const QString &ueber, const QString &name, const QString &caption)
{
    QMenu *m = Menue(ueber);
    return m ? Untermenue(m, name, caption) : nullptr;
}
