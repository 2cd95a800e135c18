// "Neues Dokument anlegen": kind, base picture and properties of a new document.
#pragma once
#include "NeuesDokument.h"

#include <QDialog>

class IMeldungen;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

// Asks for the kind, the base picture (a PNG or JPEG file, or the kind's
// built-in picture) and title, author and remark. Angaben() holds the
// answer after exec() returned Accepted.
class TNeuesDokumentForm : public QDialog
{
    Q_OBJECT
public:
    TNeuesDokumentForm(IMeldungen &meldungen, QWidget *parent = nullptr);

    NeuesDokumentAngaben Angaben() const;
    // Reads the picture file; false (with a message) when it cannot be read.
    bool BildWaehlen(const QString &pfad);
    void accept() override;

    QRadioButton *ArtKnopf[3] = {};
    QLineEdit *BildEdit = nullptr;
    QLineEdit *TitelEdit = nullptr;
    QLineEdit *AutorEdit = nullptr;
    QPlainTextEdit *BemerkungEdit = nullptr;
    QLabel *BildInfo = nullptr;

private:
    void Durchsuchen();
    void BildInfoZeigen();
    IMeldungen &meldungen;
    QButtonGroup *arten = nullptr;
    QImage bild;
};
