// Hands a message to the user's mail program through xdg-email, without blocking the window.
#include "XdgEmailVersand.h"

#include <QPointer>
#include <QProcess>
#include <QTimer>
#include <QVariant>

XdgEmailVersand::XdgEmailVersand(QObject *parent) : QObject(parent) {}

XdgEmailVersand::~XdgEmailVersand()
{
    for (QProcess *p : std::as_const(prozesse)) {
        p->disconnect(this);
        if (p->state() == QProcess::NotRunning) {
            delete p;
            continue;
        }
        // Destroying a QProcess kills its program: the user's compose
        // window must outlive us, so the running one is let go.
        p->setParent(nullptr);
    }
}

void XdgEmailVersand::Senden(const MailNachricht &n)
{
    auto *p = new QProcess(this);
    p->setProgram(Programm);
    p->setArguments(XdgEmailArgumente(n));
    p->setProcessChannelMode(QProcess::ForwardedChannels);
    p->setProperty("gemeldet", false);
    prozesse << p;
    ++offen;
    connect(p, &QProcess::errorOccurred, this, [this, p](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            Melden(p, MailCodeAusXdgEmail(false, false, 0));
    });
    connect(p, &QProcess::finished, this, [this, p](int code, QProcess::ExitStatus status) {
        Melden(p, MailCodeAusXdgEmail(true, status == QProcess::NormalExit, code));
    });
    // Tied to this object: a let-go process must not call back into us.
    QTimer::singleShot(GnadenfristMs, this, [this, laeuft = QPointer<QProcess>(p)] {
        if (laeuft && laeuft->state() != QProcess::NotRunning)
            Melden(laeuft, 0);
    });
    p->start();
}

void XdgEmailVersand::Melden(QProcess *p, int code)
{
    const bool ende = p->state() == QProcess::NotRunning;
    if (!p->property("gemeldet").toBool()) {
        p->setProperty("gemeldet", true);
        --offen;
        emit Beendet(code);
    }
    if (ende) {
        prozesse.removeAll(p);
        p->deleteLater();
    }
}
