// Running a program of the build (the tvl tool) from a test and collecting what it said.
#pragma once
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

struct ProgrammLauf
{
    int code = -1; // exit code; -1 when the program did not finish in time
    QByteArray aus, fehler;
    QString Aus() const { return QString::fromUtf8(aus); }
    QString Fehler() const { return QString::fromUtf8(fehler); }
};

inline ProgrammLauf Ausfuehren(const QString &programm, const QStringList &args, int wartenMs = 60000)
{
    QProcess p;
    p.start(programm, args);
    ProgrammLauf l;
    if (!p.waitForFinished(wartenMs))
        return l;
    l.code = p.exitCode();
    l.aus = p.readAllStandardOutput();
    l.fehler = p.readAllStandardError();
    return l;
}
