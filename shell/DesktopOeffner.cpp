// Opening targets with xdg-open, its exit status reported back.
#include "DesktopOeffner.h"

#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include <memory>

DesktopOeffner::DesktopOeffner(QString p) : programm(std::move(p)) {}

void DesktopOeffner::Oeffnen(const QString &ziel, std::function<void(bool ok)> fertig)
{
    // Local files go as plain paths, everything else as an encoded address.
    const QUrl url(ziel);
    QString argument;
    if (url.scheme().isEmpty())
        argument = QFileInfo(ziel).absoluteFilePath();
    else if (url.isLocalFile())
        argument = url.toLocalFile();
    else
        argument = url.toString(QUrl::FullyEncoded);

    auto *p = new QProcess;
    p->setProgram(programm);
    p->setArguments({argument});
    p->setStandardInputFile(QProcess::nullDevice());
    p->setStandardOutputFile(QProcess::nullDevice());
    p->setProcessChannelMode(QProcess::ForwardedErrorChannel);

    // Exactly one report, whichever signal comes first.
    auto melden = [fertig = std::move(fertig), gemeldet = std::make_shared<bool>(false)](bool ok) {
        if (*gemeldet)
            return;
        *gemeldet = true;
        if (fertig)
            fertig(ok);
    };
    QObject::connect(p, &QProcess::errorOccurred, p, [p, melden](QProcess::ProcessError e) {
        if (e != QProcess::FailedToStart)
            return; // a crash is reported by finished()
        melden(false);
        p->deleteLater();
    });
    QObject::connect(p, &QProcess::finished, p, [p, melden](int code, QProcess::ExitStatus art) {
        melden(art == QProcess::NormalExit && code == 0);
        p->deleteLater();
    });
    p->start();
}
