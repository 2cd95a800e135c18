// Question texts: placeholder sentences, the image tag and the flag file.
#include "Fragentext.h"

QString FragePlatzhalterErsetzen(const QString &text)
{
    QString t = text;
    t.replace(QStringLiteral("<@flaggenfrage>"), QStringLiteral("Wie heißt das Land zu dieser Flagge?"));
    t.replace(QStringLiteral("<@euromünzfrage>"),
              QStringLiteral("Zu welchem Land der Eurozone gehört diese Seite der Münze?"));
    return t;
}

QString BildTagAusschneiden(QString &text)
{
    const int anfang = text.indexOf(QStringLiteral("<@img="));
    if (anfang < 0)
        return {};
    const int ende = text.indexOf('>', anfang);
    if (ende < 0)
        return {};
    const int nameAnfang = anfang + 6;
    const QString name = text.mid(nameAnfang, ende - nameAnfang);
    text.remove(anfang, ende - anfang + 1);
    return name;
}

QString FlaggenDatei(const QString &progOrdner, const QString &name)
{
    // Documents come from e-mail and shared folders: an image name must not
    // reach outside the flag folder.
    if (name.isEmpty() || name.contains('/') || name.contains('\\') || name.contains(QLatin1String(".."))
        || name.contains(':') || name.contains(QChar(0)))
        return {};
    QString ordner = progOrdner;
    if (!ordner.isEmpty() && !ordner.endsWith('/'))
        ordner += '/';
    return ordner + QStringLiteral("Flaggen/") + name;
}
