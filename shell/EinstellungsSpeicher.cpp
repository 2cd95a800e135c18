// A settings store with case-insensitive names and typed, checked reads.
#include "EinstellungsSpeicher.h"

EinstellungsSpeicher::EinstellungsSpeicher(QSettings &einstellungen) : s(einstellungen) {}

// The stored spelling of a name, or an empty string when there is none.
QString EinstellungsSpeicher::Gespeichert(const QString &name) const
{
    if (s.contains(name))
        return name;
    const QStringList schluessel = s.childKeys();
    for (const QString &k : schluessel)
        if (k.compare(name, Qt::CaseInsensitive) == 0)
            return k;
    return {};
}

std::optional<QVariant> EinstellungsSpeicher::Lesen(const QString &name) const
{
    const QString k = Gespeichert(name);
    if (k.isEmpty())
        return std::nullopt;
    return s.value(k);
}

void EinstellungsSpeicher::Schreiben(const QString &name, const QVariant &wert)
{
    const QStringList schluessel = s.childKeys();
    for (const QString &k : schluessel)
        if (k != name && k.compare(name, Qt::CaseInsensitive) == 0)
            s.remove(k);
    s.setValue(name, wert);
}

namespace {
// Integers only: the text stores of this platform keep no types, so a
// value counts as an integer when its text is one.
std::optional<int> AlsZahl(const QVariant &v)
{
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? 1 : 0;
    if (v.typeId() == QMetaType::QStringList)
        return std::nullopt;
    bool ok = false;
    const qlonglong z = v.toString().trimmed().toLongLong(&ok);
    if (!ok || z < INT_MIN || z > INT_MAX)
        return std::nullopt;
    return int(z);
}
}

bool EinstellungsSpeicher::LeseSchalter(const QString &name, bool &ziel) const
{
    const auto v = Lesen(name);
    if (!v)
        return false;
    const auto z = AlsZahl(*v);
    if (!z)
        return false;
    ziel = *z != 0;
    return true;
}

bool EinstellungsSpeicher::LeseZahl(const QString &name, int &ziel, int min, int max) const
{
    const auto v = Lesen(name);
    if (!v)
        return false;
    const auto z = AlsZahl(*v);
    if (!z || *z < min || *z > max)
        return false;
    ziel = *z;
    return true;
}

bool EinstellungsSpeicher::LeseText(const QString &name, QString &ziel) const
{
    const auto v = Lesen(name);
    if (!v || v->typeId() == QMetaType::QStringList || !v->canConvert<QString>())
        return false;
    ziel = v->toString();
    return true;
}
