// ZahlEdit: the minute and second edits of the time limit.
#pragma once
#include <QLineEdit>

// The minute and second edits of the time limit: two characters, held
// between 0 and 59 when left.
class ZahlEdit : public QLineEdit
{
    Q_OBJECT
public:
    ZahlEdit(const QString &name, QWidget *parent);
    int Wert() const;

protected:
    void focusOutEvent(QFocusEvent *e) override;
};
