// GesperrteDatei: a regular file held under a shared or exclusive lock.
#pragma once
#include <QString>

// A file opened under an advisory lock that is taken without waiting:
// exclusive for writers, shared for readers. A refused lock counts as a
// failed open, so the callers' retries apply. Only regular files are
// opened (a FIFO never blocks the open), and a writer does not follow links.
class GesperrteDatei
{
public:
    enum class Art { Lesen, Schreiben };
    GesperrteDatei() = default;
    ~GesperrteDatei();
    GesperrteDatei(const GesperrteDatei &) = delete;
    GesperrteDatei &operator=(const GesperrteDatei &) = delete;

    // Lesen: open read-only with a shared lock. Schreiben: open read-write,
    // creating the file if needed but never truncating it, exclusive lock.
    bool Oeffnen(const QString &pfad, Art art);
    void Schliessen();
    int fd() const { return handle; }
    bool offen() const { return handle >= 0; }
    qint64 Groesse() const;
    bool AllesSchreiben(const char *data, qint64 len); // at the end of the file
    bool AllesLesen(QByteArray &out, qint64 maxBytes);

private:
    int handle = -1;
};
