// "Information zu den Kennzahlen": the explanation of the exercise status figures.
#include "TKennzInfoBox.h"

#include "InfoBoxTexte.h"
#include "InfoMemo.h"
#include "Rahmen.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

TKennzInfoBox::TKennzInfoBox(QWidget *parent) : QDialog(parent)
{
    setObjectName("KennzInfoBox");
    setWindowTitle("Information zu den Kennzahlen");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowStaysOnTopHint);
    setFixedSize(540, 398);
    FensterFarbeSetzen(this);

    MainBackImg = HintergrundBildAnlegen(this);

    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    FlaecheFaerben(Panel1, TafelFarbe());
    Panel1->setGeometry(12, 12, 516, 330);

    Memo1 = InfoMemo(Panel1);
    Memo1->setPlainText(InfoBoxTexte::KennzahlenZeilen().join(QLatin1Char('\n')));
    Memo1->setGeometry(8, 8, 500, 314);

    OKBtn = new QPushButton("Schließen", this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setDefault(true);
    OKBtn->setGeometry(528 - 100, 354, 100, 30);
    // Default and cancel button at once: Return and Escape both close.
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TKennzInfoBox::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    HintergrundZeigen(this, MainBackImg, FuelleHintergrund4);
    Memo1->moveCursor(QTextCursor::Start);
    OKBtn->setFocus();
}
