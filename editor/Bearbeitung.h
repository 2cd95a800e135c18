// Bearbeitung: every edit of the current document as an undoable command, and the modified flag.
#pragma once
#include "Dokument.h"
#include "FragenZeilen.h"

#include <QObject>
#include <QPointF>
#include <QUndoStack>

class IDokumentUmgebung;
class IMeldungen;

// The appearance of a label that the editor lets the author choose.
struct ObjektAussehen
{
    int Ebene = 1;
    int Sline = 1;
    int Fsize = 0;
    int KAusr = 0;
    int TAusr = 0;
    bool operator==(const ObjektAussehen &) const = default;
};

// Edits the document it is given, each edit a command on its undo stack.
// An edit that cannot be stored (a text outside Windows-1252, an empty
// question) is refused with a German message and changes nothing. The
// document's Geaendert flag follows the stack: set by an edit, cleared when
// the stack is back at the state last saved (or loaded).
//
// Commands keep the document's content before and after, so undo gives
// back exactly what was there, whatever the edit touched.
class Bearbeitung : public QObject
{
    Q_OBJECT
public:
    explicit Bearbeitung(Dokument &dok, QObject *parent = nullptr);

    Dokument &Dok;
    QUndoStack Stapel;

    // Another document now stands in Dok (loaded, emptied or made new):
    // the history is dropped. A new document counts as changed until saved.
    void Zuruecksetzen(bool neuesDokument = false);

    // Each returns an empty text on success, else the message (nothing changed).
    QString KopfSetzen(const QString &titel, const QString &autor, const QString &bemerkung);
    QString DokTypSetzen(DokArt art);
    QString NumArtSetzen(int numArt);
    QString GeordnetArtSetzen(int geordnetArt);
    QString BasisBildSetzen(const QImage &bild);

    // Single questions: the question lines (1-based k as in the quiz).
    QList<FragenZeile> FragenZeilen() const;
    QString FrageHinzufuegen(const FragenZeile &zeile);
    QString FrageAendern(int k, const FragenZeile &zeile);
    QString FrageLoeschen(int k);

    // Cloze text: the whole text, or the selection made a gap.
    QString LueckentextSetzen(const QString &text);
    QString LueckeMachen(int start, int laenge);

    // Labels, positions as fractions of the (extended) picture.
    QString BeschriftungAnlegen(QPointF anker, QPointF kasten, const QString &cap);
    // A drag of one object's box or anchor: successive moves of the same
    // object merge into one step of the history.
    QString KastenVerschieben(int index, QPointF kasten);
    QString AnkerVerschieben(int index, QPointF anker);
    QString ObjektTextSetzen(int index, const QString &cap);
    QString ObjektAussehenSetzen(int index, const ObjektAussehen &aussehen);
    QString ObjektLoeschen(int index);
    // Ends a drag: the next move of the same object is a new step.
    void ZugBeenden() { ++zug; }

    // Saves through the document's safe save; on success the state is the
    // saved one (flag cleared), on failure the write-error message was shown
    // and nothing changed.
    bool Speichern(DokumentZustand &z, IDokumentUmgebung &umgebung, IMeldungen &meldungen, const QString &pfad);

    // The stored content of a document, as a command keeps it.
    static Dokument Inhalt(const Dokument &dok);

signals:
    // The content changed (edit, undo or redo): views redraw.
    void InhaltGeaendert();

private:
    friend class InhaltsBefehl;
    // Pushes the step from the current content to `nachher`.
    void Schritt(const Dokument &nachher, const QString &text, int zusammen = -1, int objekt = -1);
    void Anwenden(const Dokument &inhalt);
    void FlagAbgleichen();
    QString TextPruefen(const QString &text) const;
    bool IndexGueltig(int index) const { return index >= 0 && index < Dok.Objekte.size(); }
    bool neu = false;
    int zug = 0;
};
