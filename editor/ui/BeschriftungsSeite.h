// The labelling page of the editor: the picture with the labelling tool, the list of labels and their look.
#pragma once
#include <QWidget>

#include <functional>

class Bearbeitung;
class BeschriftungsBild;
class IMeldungen;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

class BeschriftungsSeite : public QWidget
{
    Q_OBJECT
public:
    BeschriftungsSeite(Bearbeitung &bearbeitung, IMeldungen &meldungen, const QString &progOrdner,
                       QWidget *parent = nullptr);

    void Neuladen();
    // Asks for the caption of the label placed on the picture (a test
    // replaces the question).
    std::function<bool(QString &)> TextErfragen;

    BeschriftungsBild *Bild = nullptr;
    QListWidget *Liste = nullptr;
    QLineEdit *TextEdit = nullptr;
    QComboBox *EbeneBox = nullptr;
    QCheckBox *LinieCheck = nullptr;
    QSpinBox *GroesseSpin = nullptr;
    QComboBox *SeiteBox = nullptr;
    QComboBox *AusrichtungBox = nullptr;
    QPushButton *LoeschenBtn = nullptr;

protected:
    void keyPressEvent(QKeyEvent *e) override;

private:
    void Auswaehlen(int index);
    void EigenschaftenZeigen();
    void TextUebernehmen();
    void AussehenUebernehmen();
    void Loeschen();
    void NeuerText();
    void BildWechseln();
    int Aktuell() const;
    Bearbeitung &b;
    IMeldungen &meldungen;
    bool laedt = false;
    int textIndex = -1; // the label whose text the field shows
};
