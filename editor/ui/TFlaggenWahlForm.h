// The flag picker: the flags of "Flaggen/" with their names, filtered as the author types.
#pragma once
#include "FlaggenNamen.h"

#include <QDialog>

class QLineEdit;
class QListWidget;

class TFlaggenWahlForm : public QDialog
{
    Q_OBJECT
public:
    TFlaggenWahlForm(const QList<FlaggenEintrag> &flaggen, const QString &progOrdner, QWidget *parent = nullptr);

    // The chosen flag after exec() returned Accepted.
    FlaggenEintrag Gewaehlt() const;

    QLineEdit *SuchEdit = nullptr;
    QListWidget *Liste = nullptr;

private:
    void Filtern(const QString &text);
    QList<FlaggenEintrag> flaggen;
};
