// The learning view's output: saving it as an image file, copying it to the
// clipboard, the printer set-up and printing it.
#pragma once
#include <QObject>
#include <QString>

#include <memory>

class QImage;
class QPrinter;
class Szene;
class TForm1;
class THoverPanel;

// Asks for the name of the image file (the dialog SaveBMP); tests answer.
class IBildDateiWahl
{
public:
    virtual ~IBildDateiWahl() = default;
    // Opens in ordner (the folder used last; empty: the dialog's own
    // choice). False when the user cancelled.
    virtual bool Waehlen(QString &pfad, const QString &ordner) = 0;
};

class AnsichtAusgabeAnschluss : public QObject
{
public:
    AnsichtAusgabeAnschluss(TForm1 &form, Szene &szene);
    ~AnsichtAusgabeAnschluss() override;

    THoverPanel *ExportBtn = nullptr;
    THoverPanel *ClipbordBtn = nullptr;
    THoverPanel *DruckBtn = nullptr;
    std::unique_ptr<IBildDateiWahl> DateiWahl;

    // Saves the display bitmap, what the user sees with the drawings.
    void AnsichtExportieren();
    void AnsichtKopieren();
    void Druckereinrichtung1Click();
    // "Ansicht drucken": the print dialog, then the view fitted to the page;
    // without the extended functions it does nothing, as this edition's.
    void AnsichtDrucken();
    // Paints the view onto the printer's page, fitted and centred at the top.
    static bool AufSeiteDrucken(QPrinter &drucker, const QImage &bild);

    // Saving, copying and printing need a document in the view; their
    // buttons and items are disabled without one.
    bool AusgabeMoeglich() const;
    void BefehleAktualisieren();

private:
    QPrinter &Drucker();

    TForm1 &form;
    Szene &szene;
    std::unique_ptr<QPrinter> drucker;
};
