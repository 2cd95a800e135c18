// The dialog for a comment added to the protocol.
#include "TProtKomForm.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TProtKomForm::TProtKomForm(QWidget *parent) : QDialog(parent)
{
    setObjectName("ProtKomForm");
    setWindowTitle("Kommentar zum Ablaufprotokoll hinzufügen");
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    auto *knoepfe = new QDialogButtonBox(this);
    knoepfe->addButton("OK", QDialogButtonBox::AcceptRole);
    knoepfe->addButton("Abbrechen", QDialogButtonBox::RejectRole);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *l = new QVBoxLayout(this);
    l->addWidget(Memo1);
    l->addWidget(knoepfe);
    resize(460, 260);
}
