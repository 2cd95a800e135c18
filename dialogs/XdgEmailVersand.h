// Hands a message to the user's mail program through xdg-email, without blocking the window.
#pragma once
#include "MailNachricht.h"

#include <QList>
#include <QObject>

class QProcess;

// Starts xdg-email and reports its outcome as a result code (see
// MailCodeAusXdgEmail) once it is known. Some mail programs keep
// xdg-email waiting until their compose window closes: when it still runs
// after a grace period the message counts as handed over.
class XdgEmailVersand : public QObject
{
    Q_OBJECT
public:
    explicit XdgEmailVersand(QObject *parent = nullptr);
    // A mail program still composing is left running.
    ~XdgEmailVersand() override;

    QString Programm = QStringLiteral("xdg-email");
    int GnadenfristMs = 4000;

    void Senden(const MailNachricht &n);
    // How many hand-overs have not reported yet.
    int Offen() const { return offen; }

signals:
    void Beendet(int code);

private:
    void Melden(QProcess *p, int code);

    QList<QProcess *> prozesse;
    int offen = 0;
};
