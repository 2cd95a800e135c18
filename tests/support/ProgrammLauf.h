// Running a program of the build (the tvl tool) from a test and collecting what it said.
#pragma once
#include <QProcess>
#include <QString>
#include <QStringList>

struct ProgrammLauf
{
    int code = -1;       // exit code; -1 when the program did not finish in time
    QString aus, fehler; // standard output and error, read as UTF-8
};

inline ProgrammLauf Ausfuehren(const QString &programm, const QStringList &args, int wartenMs = 60000)
{
    QProcess p;
    p.start(programm, args);
    ProgrammLauf l;
    if (!p.waitForFinished(wartenMs))
        return l;
    l.code = p.exitCode();
    l.aus = QString::fromUtf8(p.readAllStandardOutput());
    l.fehler = QString::fromUtf8(p.readAllStandardError());
    return l;
}
