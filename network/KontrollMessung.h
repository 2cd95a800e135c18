// An optional record of when the live view took each message, for the load
// measurement (PENNORIA_KONTROLL_MESSUNG names the file; unset: nothing).
#pragma once
#include <QFile>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class KontrollMessung : public QObject
{
    Q_OBJECT
public:
    // Opens the file named by the environment variable, if any, and starts
    // a 50 ms heartbeat whose lines show how late the event loop runs.
    explicit KontrollMessung(QObject *eltern = nullptr);
    bool Aktiv() const { return datei != nullptr; }

    // "N <monotonic ns> <identifier> <answers> <state>" per taken message;
    // "V <ns> <count>" per dropped one, "T <ns>" per heartbeat.
    void Genommen(const QString &kennung, int antworten, int zustand);
    void Verworfen(qint64 gesamt);

    static qint64 MonotonNs();

private:
    void Zeile(const QByteArray &z);
    std::unique_ptr<QFile> datei;
    QTimer puls;
};
