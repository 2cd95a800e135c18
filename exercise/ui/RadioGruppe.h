// RadioGruppe: the radio button group of the option dialogs.
#pragma once
#include <QGroupBox>
#include <QList>

class QButtonGroup;
class QRadioButton;

// A framed group of radio buttons addressed by item index, as the option
// dialogs use them.
class RadioGruppe : public QGroupBox
{
    Q_OBJECT
public:
    RadioGruppe(const QString &name, const QString &titel, const QStringList &items, QWidget *parent);

    int ItemIndex() const;
    void setItemIndex(int i);
    QRadioButton *Knopf(int i) const { return knoepfe.value(i); }

signals:
    void geklickt(int index);

private:
    QButtonGroup *gruppe;
    QList<QRadioButton *> knoepfe;
};
