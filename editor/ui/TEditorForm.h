// "Inhalte bearbeiten": the editor window with the page of the document's kind and the common commands.
#pragma once
#include <QDialog>

#include <functional>

class Bearbeitung;
class BeschriftungsSeite;
class FragenSeite;
class IMeldungen;
class LueckenSeite;
class QPushButton;
class QStackedWidget;

// Edits the document through its Bearbeitung; every change is on the
// document at once (the main window's view follows). The window ends with
// Schliessen or with Ausprobieren, after which the caller starts the quiz.
class TEditorForm : public QDialog
{
    Q_OBJECT
public:
    enum Ende { Geschlossen = 0, Ausprobieren = 2 };

    // speichern: the "&Speichern" command (asks for a file name when the
    // document has none); false when the document was not saved.
    TEditorForm(Bearbeitung &bearbeitung, IMeldungen &meldungen, const QString &progOrdner,
                std::function<bool()> speichern, QWidget *parent = nullptr);

    // The page of the document's kind, filled from the document.
    void SeiteWaehlen();

    QStackedWidget *Seiten = nullptr;
    FragenSeite *Fragen = nullptr;
    LueckenSeite *Luecken = nullptr;
    BeschriftungsSeite *Beschriftungen = nullptr;
    QPushButton *RueckgaengigBtn = nullptr;
    QPushButton *WiederholenBtn = nullptr;
    QPushButton *SpeichernBtn = nullptr;
    QPushButton *AusprobierenBtn = nullptr;
    QPushButton *SchliessenBtn = nullptr;

protected:
    void done(int r) override;

private:
    void Aktualisieren();
    Bearbeitung &b;
    std::function<bool()> speichern;
};
