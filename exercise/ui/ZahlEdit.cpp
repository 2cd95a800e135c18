// The two-digit edit of the time limit, held to 0..59 when left.
#include "ZahlEdit.h"

#include "UebTexte.h"

ZahlEdit::ZahlEdit(const QString &name, QWidget *parent) : QLineEdit(parent)
{
    setObjectName(name);
    setMaxLength(2);
    setAlignment(Qt::AlignRight);
    setFixedWidth(34);
}

int ZahlEdit::Wert() const
{
    return EditZahl(text());
}

void ZahlEdit::focusOutEvent(QFocusEvent *e)
{
    const int w = EditZahl(text());
    if (w < 0 || w > 59)
        setText(QString::number(EditZahlGeklemmt(text())));
    QLineEdit::focusOutEvent(e);
}
