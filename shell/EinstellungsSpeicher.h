// EinstellungsSpeicher: QSettings with value names matched regardless of case.
#pragma once
#include <QSettings>
#include <QString>
#include <QVariant>

#include <optional>

// A key/value store over QSettings whose value names match without regard
// to case, as the settings key of the original platform does: a value
// written by hand as "UebOpt-Zeitlimit" is found under "UebOpt-ZeitLimit",
// and writing replaces it with the program's own spelling.
class EinstellungsSpeicher
{
public:
    explicit EinstellungsSpeicher(QSettings &einstellungen);

    std::optional<QVariant> Lesen(const QString &name) const;
    void Schreiben(const QString &name, const QVariant &wert);

    // Typed reads: return false, leaving ziel alone, when the value is
    // missing or of the wrong kind (not an integer, out of range).
    bool LeseSchalter(const QString &name, bool &ziel) const;
    bool LeseZahl(const QString &name, int &ziel, int min, int max) const;
    bool LeseText(const QString &name, QString &ziel) const;

    void SchreibeSchalter(const QString &name, bool wert) { Schreiben(name, wert ? 1 : 0); }
    void SchreibeZahl(const QString &name, int wert) { Schreiben(name, wert); }
    void SchreibeText(const QString &name, const QString &wert) { Schreiben(name, wert); }

private:
    QString Gespeichert(const QString &name) const;
    QSettings &s;
};
