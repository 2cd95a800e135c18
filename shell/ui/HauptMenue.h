// The main window's menus and menu items as typed members; each one's object name is its member name.
#pragma once

class QAction;
class QMenu;

// Filled once by TForm1::BaueMenue. Code reaches an item through its member,
// so a mistyped name does not compile; the object names stay for the
// settings of later parts and for tests.
struct HauptMenue
{
    // &Datei (hidden)
    QMenu *Datei1 = nullptr;
    QAction *Oeffnen1 = nullptr;
    QAction *DateiDokumenteigenschaften = nullptr;
    QAction *Speichern1 = nullptr;
    QAction *Speichernunter1 = nullptr;
    QAction *PerEMailversenden1 = nullptr;
    QAction *Drucken1 = nullptr;
    QAction *Druckereinrichtung1 = nullptr;
    QAction *Exportieren1 = nullptr;
    QAction *IndieZwischenablageBMP = nullptr;
    QAction *Arbeitsblatterstellen1 = nullptr;
    QAction *Schliessen1 = nullptr;

    // &Aktion
    QMenu *Uebung1 = nullptr;
    QAction *UebungStart1 = nullptr;
    QAction *UebOpt1 = nullptr;
    QAction *Bestenliste1 = nullptr;
    QAction *ProtokollderletztenUebung1 = nullptr;
    QAction *Netzwerkuebung1 = nullptr;
    QAction *BestenlistezurNetzwerkuebung1 = nullptr;
    QAction *Lernkarte1 = nullptr;
    QAction *Beenden1 = nullptr;

    // &Quizauswahl (the topics follow the fixed items)
    QMenu *Auswahl1 = nullptr;
    QAction *Startseite1 = nullptr;
    QAction *ZuletztAngzeigtesDokument1 = nullptr;
    QAction *PrevDok1 = nullptr;
    QAction *NextDok1 = nullptr;
    QAction *Ordnerneueinlesen1 = nullptr;
    QAction *Ordnerwaehlen1 = nullptr;

    // &Lernansicht (hidden; the learning view adds its own items)
    QMenu *Lernansicht1 = nullptr;
    QAction *Werkzeugleisteklappen1 = nullptr;

    // Lehrer&steuerung (hidden)
    QMenu *Lehrer1 = nullptr;
    QAction *Netzwerkuebunginitiieren1 = nullptr;
    QAction *LehrerNetzwerkUebungbeenden1 = nullptr;
    QAction *NetzwerkbungKontrollanzeige1 = nullptr;

    // &Autorenfunktion (hidden)
    QMenu *Editor1 = nullptr;
    QAction *NeuesDokument1 = nullptr;
    QAction *Assistent1 = nullptr;
    QAction *EditorDokumenteigenschaften1 = nullptr;
    QAction *Inhaltebearbeiten1 = nullptr;
    QMenu *Dokumententyp1 = nullptr;
    QAction *DokTyp[3] = {}; // DokTyp0..DokTyp2, by document type

    // &Optionen
    QMenu *Optionen1 = nullptr;
    QAction *Sound1 = nullptr;
    QAction *OptNameEingabe1 = nullptr;
    QAction *AutoProtSpeichern1 = nullptr;
    QAction *ErgebBestListEintragen1 = nullptr;
    QAction *ErweiterteFunktionen1 = nullptr; // shows the hidden items that have an effect
    QMenu *Anzeige1 = nullptr;
    QAction *Vollbild1 = nullptr;
    QAction *Fenster1 = nullptr;
    QAction *Minimieren1 = nullptr;
    QAction *Kommunikationsverzeichnis1 = nullptr;
    QAction *OrdnerBestenlisten1 = nullptr;

    // &Hilfe
    QMenu *Hilfe1 = nullptr;
    QAction *Inhalt1 = nullptr;
    QAction *TippsHinweise1 = nullptr;
    QAction *Homepage1 = nullptr;
    QAction *Info1 = nullptr;
};
