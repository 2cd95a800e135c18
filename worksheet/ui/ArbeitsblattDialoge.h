// The platform dialogs the worksheet windows open, behind an interface so
// tests answer them without a display.
#pragma once
#include <QString>

class QPrinter;
class QWidget;

class IArbeitsblattDialoge
{
public:
    virtual ~IArbeitsblattDialoge() = default;
    // SaveWMF: the chosen file name, empty when cancelled. The dialog asks
    // before overwriting.
    virtual QString SpeichernUnter(QWidget *eltern) = 0;
    // The printer set-up ("Einrichten..."); true when confirmed. Where no
    // printer is installed it offers printing to a PDF file.
    virtual bool DruckerEinrichten(QPrinter &drucker, QWidget *eltern) = 0;
};

// The real dialogs: QFileDialog and QPrintDialog.
class QtArbeitsblattDialoge : public IArbeitsblattDialoge
{
public:
    QString SpeichernUnter(QWidget *eltern) override;
    bool DruckerEinrichten(QPrinter &drucker, QWidget *eltern) override;

private:
    QString ordner; // the folder of the last save, for the next one
};

// The filter of SaveWMF, one entry per line as QFileDialog takes them.
QString ArbeitsblattFilter();
