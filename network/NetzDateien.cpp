// The files of a network exercise in the communication folder.
#include "NetzDateien.h"

#include "Cp1252.h"
#include "DateiSperre.h"
#include "LeDaten.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace {
struct Leser
{
    const QByteArray &d;
    qsizetype pos = 0;
    bool Int32(qint32 &v)
    {
        if (d.size() - pos < 4)
            return false;
        v = LeInt(d.constData() + pos);
        pos += 4;
        return true;
    }
    bool Text(QString &s)
    {
        qint32 n = 0;
        if (!Int32(n) || n < 0 || n > d.size() - pos)
            return false;
        s = VonCp1252(d.constData() + pos, n);
        pos += n;
        return true;
    }
};
} // namespace

QString NetzBasisName(const QString &komOrdner, const QString &kanal)
{
    return komOrdner + kanal + QStringLiteral("-tvlnetzuebung");
}

QByteArray NetzDatBytes(const QString &master, const UebOptionen &o)
{
    LeSchreiber s;
    s.StrRoh(NetzDatei::Kennung);
    s.StrRoh(NetzDatei::FeldListe);
    s.StrRoh(NachCp1252(master));
    for (int v : {o.RiFaRueckmeldung, o.ZuordnungRichtig, o.ZuordnungFalsch, o.Zuordnungstexte, o.Zuordnungsziele,
                  o.AbfrageModus, o.ZeitLimitIndex, o.ZeitLimitWert})
        s.Int(v);
    return s.daten;
}

bool NetzDatAusBytes(const QByteArray &daten, QString &master, UebOptionen &opt)
{
    Leser l{daten};
    QString kennung, felder, m;
    qint32 w[8];
    if (!l.Text(kennung) || !l.Text(felder) || !l.Text(m))
        return false;
    for (qint32 &v : w)
        if (!l.Int32(v))
            return false;
    // The ranges of the options dialogs' controls; a time limit up to
    // 59 minutes 59 seconds.
    const qint32 hoechst[8] = {1, 1, 1, 1, 2, 2, 1, 59 * 60 + 59};
    for (int i = 0; i < 8; ++i)
        if (w[i] < 0 || w[i] > hoechst[i])
            return false;
    if (m.trimmed().isEmpty() || m.size() > 255)
        return false;
    master = m;
    opt.RiFaRueckmeldung = w[0];
    opt.ZuordnungRichtig = w[1];
    opt.ZuordnungFalsch = w[2];
    opt.Zuordnungstexte = w[3];
    opt.Zuordnungsziele = w[4];
    opt.AbfrageModus = w[5];
    opt.ZeitLimitIndex = w[6];
    opt.ZeitLimitWert = w[7];
    return true;
}

bool NetzDatSchreiben(const QString &pfad, const QString &master, const UebOptionen &opt)
{
    GesperrteDatei f;
    if (!f.Oeffnen(pfad, GesperrteDatei::Art::Schreiben))
        return false;
    // Under the lock: the old content goes, the new one is written whole.
    if (::ftruncate(f.fd(), 0) != 0)
        return false;
    const QByteArray b = NetzDatBytes(master, opt);
    return f.AllesSchreiben(b.constData(), b.size()) && ::fsync(f.fd()) == 0;
}

bool NetzDatLesen(const QString &pfad, QString &master, UebOptionen &opt)
{
    GesperrteDatei f;
    QByteArray b;
    if (!f.Oeffnen(pfad, GesperrteDatei::Art::Lesen) || f.Groesse() > NetzDatei::MaxGroesse
        || !f.AllesLesen(b, NetzDatei::MaxGroesse))
        return false;
    return NetzDatAusBytes(b, master, opt);
}

bool KanalNameGueltig(const QString &kanal)
{
    if (kanal.trimmed().isEmpty() || kanal.size() > 8 || kanal == QLatin1String(".") || kanal == QLatin1String(".."))
        return false;
    for (const QChar c : kanal)
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            return false;
    return true;
}

bool NetzUebungVorhanden(const QString &basis)
{
    for (const char *endung : {".okx", ".dat", ".tvl"})
        if (!QFileInfo(basis + QLatin1String(endung)).isFile())
            return false;
    return true;
}

bool FreigabeAnlegen(const QString &basis)
{
    QFile f(basis + QStringLiteral(".okx"));
    return f.open(QIODevice::WriteOnly) && f.flush();
}

void NetzUebungsDateienLoeschen(const QString &basis)
{
    for (const char *endung : {".tvl", ".dat", ".okx"})
        QFile::remove(basis + QLatin1String(endung));
}

DateiMarke DateiMarkeVon(const QString &pfad)
{
    struct stat st
    {
    };
    DateiMarke m;
    if (::stat(QFile::encodeName(pfad).constData(), &st) != 0)
        return m;
    m.Inode = quint64(st.st_ino);
    m.Groesse = qint64(st.st_size);
    m.GeaendertNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return m;
}
