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
    // False when the user cancelled.
    virtual bool Waehlen(QString &pfad) = 0;
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

private:
    QPrinter &Drucker();

    TForm1 &form;
    Szene &szene;
    std::unique_ptr<QPrinter> drucker;
};
