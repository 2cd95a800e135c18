// IDokumentUmgebung: what loading and closing a document do to the main window.
#pragma once
#include <QString>

// What loading and closing a document do to the main window beyond the
// document itself. The main window implements it; tests record the calls.
class IDokumentUmgebung
{
public:
    virtual ~IDokumentUmgebung() = default;

    // Wait cursor on while a file is read or written, off afterwards.
    virtual void WarteCursor(bool an) = 0;
    // Checks the document-type menu entry DokTyp0, DokTyp1 or DokTyp2.
    virtual void DokTypMenuSetzen(int eintrag) = 0;
    // Zoom back to 100 % and the current numbering mode applied again, which
    // numbers the covers of the document just read.
    virtual void ZoomUndNummerierungZuruecksetzen() = 0;
    // The folder was switched: start-page layout, start-page mode.
    virtual void StartseitenLayout() = 0;
    // Both drag markers of the learning view back to -1.
    virtual void ZiehMarkenZuruecksetzen() = 0;
    // Closes the document as the "Schließen" command does: start picture
    // back, loaded high-score entries emptied, topic menu rebuilt, start
    // panel shown. The document's header and objects are already empty.
    virtual void DokumentSchliessen() = 0;
};

// Does nothing: for the command-line tool and for callers without a window.
class StilleDokumentUmgebung : public IDokumentUmgebung
{
public:
    void WarteCursor(bool) override {}
    void DokTypMenuSetzen(int) override {}
    void ZoomUndNummerierungZuruecksetzen() override {}
    void StartseitenLayout() override {}
    void ZiehMarkenZuruecksetzen() override {}
    void DokumentSchliessen() override {}
};
