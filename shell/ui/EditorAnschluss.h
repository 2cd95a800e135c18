// EditorAnschluss: the author menu, saving and the editor windows as connected to the main window.
#pragma once
#include "Bearbeitung.h"

#include <QObject>

#include <functional>
#include <memory>

class BeschriftungsWerkzeug;
class QAction;
class QWidget;
class Szene;
class TAssistentForm;
class TForm1;

// Gives the author menu ("&Autorenfunktion") and "&Speichern" / "Speichern
// &unter..." their effect while "Erweiterte Funktionen anzeigen" is on:
// a new document, its properties, the editor window of its kind, the
// document type; every edit goes through one history over the window's
// document, and the learning view follows each one.
class EditorAnschluss : public QObject
{
    Q_OBJECT
public:
    EditorAnschluss(TForm1 &form, Szene &szene, QWidget *lernbild);
    ~EditorAnschluss() override;

    Bearbeitung Editor;

    // "&Speichern": to the document's file, or as "Speichern unter" when it
    // has none. False when it was not saved.
    bool Speichern();
    bool SpeichernUnter();
    void NeuesDokument();
    void Eigenschaften();
    void InhalteBearbeiten();
    void DokTypWaehlen(int art);
    // "&Assistent einblenden": the assistant beside the window.
    void AssistentZeigen();
    TAssistentForm *Assistent = nullptr;

    // The save dialog; a test answers it. Empty: cancelled.
    std::function<QString(const QString &ordner)> DateiNameErfragen;

    // "&Beschriftungen im Bild setzen": while checked, the mouse on the
    // learning view's picture of a labelling document places and moves
    // labels (as on the editor's picture) instead of using the view's tools.
    QAction *BeschriftenImBild = nullptr;
    // Asks for the caption of a label placed there; a test answers it.
    std::function<bool(QString &)> TextErfragen;

protected:
    bool eventFilter(QObject *obj, QEvent *e) override;

signals:
    // The editor window is open (a test drives it).
    void EditorGeoeffnet(QWidget *fenster);

private:
    bool Bereit() const;
    void AnsichtFolgen();
    void AssistentAktualisieren();
    TForm1 &form;
    Szene &szene;
    QWidget *lernbild;
    std::unique_ptr<BeschriftungsWerkzeug> werkzeug;
};
