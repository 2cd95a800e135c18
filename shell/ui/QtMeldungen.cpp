// Message boxes as modal Qt dialogs with German buttons.
#include "QtMeldungen.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
// The texts use "\r\n" line ends; the box wants plain "\n".
QString Zeilen(QString t)
{
    return t.replace("\r\n", "\n");
}

QString Titel()
{
    const QString t = QApplication::applicationDisplayName();
    return t.isEmpty() ? QStringLiteral("Brinvale Pennoria") : t;
}
}

void QtMeldungen::Information(const QString &text)
{
    QMessageBox box(QMessageBox::Information, Titel(), Zeilen(text), QMessageBox::NoButton, eltern);
    box.addButton("OK", QMessageBox::AcceptRole);
    box.exec();
}

void QtMeldungen::Warnung(const QString &text)
{
    QMessageBox box(QMessageBox::Warning, Titel(), Zeilen(text), QMessageBox::NoButton, eltern);
    box.addButton("OK", QMessageBox::AcceptRole);
    box.exec();
}

void QtMeldungen::Fehler(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, Titel(), Zeilen(text), QMessageBox::NoButton, eltern);
    box.addButton("OK", QMessageBox::AcceptRole);
    box.exec();
}

Antwort QtMeldungen::JaNein(const QString &text, FrageArt art)
{
    QMessageBox box(art == FrageArt::Warnung ? QMessageBox::Warning : QMessageBox::Question, Titel(), Zeilen(text),
                    QMessageBox::NoButton, eltern);
    QPushButton *ja = box.addButton("&Ja", QMessageBox::YesRole);
    QPushButton *nein = box.addButton("&Nein", QMessageBox::NoRole);
    box.setDefaultButton(ja);
    box.setEscapeButton(nein);
    box.exec();
    return box.clickedButton() == nein ? Antwort::Nein : Antwort::Ja;
}

Antwort QtMeldungen::JaNeinAbbrechen(const QString &text)
{
    QMessageBox box(QMessageBox::Question, Titel(), Zeilen(text), QMessageBox::NoButton, eltern);
    QPushButton *ja = box.addButton("&Ja", QMessageBox::YesRole);
    QPushButton *nein = box.addButton("&Nein", QMessageBox::NoRole);
    QPushButton *abbrechen = box.addButton("Abbrechen", QMessageBox::RejectRole);
    box.setDefaultButton(ja);
    box.setEscapeButton(abbrechen);
    box.exec();
    if (box.clickedButton() == nein)
        return Antwort::Nein;
    if (box.clickedButton() == ja)
        return Antwort::Ja;
    return Antwort::Abbrechen;
}
