// Helpers shared by the document tests, with a recording document environment.
#pragma once
#include "Dokument.h"
#include "DokumentUmgebung.h"

#include <QByteArray>
#include <QStringList>

// Records what loading and closing did to the main window, in order.
class TestDokumentUmgebung : public IDokumentUmgebung
{
public:
    QStringList aufrufe;
    bool warteCursorAn = false;

    void WarteCursor(bool an) override
    {
        warteCursorAn = an;
        aufrufe << (an ? "WarteCursor an" : "WarteCursor aus");
    }
    void DokTypMenuSetzen(int eintrag) override { aufrufe << QString("DokTyp%1").arg(eintrag); }
    void ZoomUndNummerierungZuruecksetzen() override { aufrufe << "Zoom"; }
    void StartseitenLayout() override { aufrufe << "Startseite"; }
    void ZiehMarkenZuruecksetzen() override { aufrufe << "ZiehMarken"; }
    void DokumentSchliessen() override { aufrufe << "Schliessen"; }
};

// A small document with every header field set, objects of several kinds
// and an opaque picture of w x h.
Dokument BeispielDokument(int w = 3, int h = 2, int objekte = 2);

// The bytes DokumentSchreiben produces; fails the test if it cannot.
QByteArray Geschrieben(const Dokument &d);

// Reads from bytes with DokumentLesen.
bool AusBytes(const QByteArray &bytes, Dokument &d, bool *falscheKennung = nullptr);

// An encoder of the primitives of our own, independent of the writer under
// test, for hand-made files.
struct RohDatei
{
    QByteArray b;
    RohDatei &Int(qint32 v);
    RohDatei &Real(double v);
    RohDatei &Str(const QByteArray &s);
    RohDatei &Roh(const QByteArray &s)
    {
        b += s;
        return *this;
    }
};

// A complete small PNG stream (opaque, w x h).
QByteArray PngBytes(int w = 2, int h = 2);

void DateiSchreiben(const QString &pfad, const QByteArray &inhalt);
QByteArray DateiLesen(const QString &pfad);
