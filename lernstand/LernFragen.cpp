// Keys, texts and images of a document's questions.
#include "LernFragen.h"

#include "UebTexte.h"

#include "Fragentext.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

QString DokumentSchluessel(const QString &titel, const QString &dateiName)
{
    QString t = titel.simplified().toLower();
    if (!t.isEmpty())
        return t;
    return QFileInfo(dateiName).completeBaseName().toLower();
}

QString DokumentSchluessel(const Dokument &d)
{
    return DokumentSchluessel(d.Titel, d.DateiName);
}

static void TextUndBild(const Dokument &d, int frageNummer, QString &text, QString &bild)
{
    for (const DokObjekt &o : d.Objekte) {
        if (o.Typ != ObjektTyp::FrageText || o.FrageNummer != frageNummer)
            continue;
        if (o.Cap.trimmed() == QStringLiteral("Frage:"))
            continue; // the heading shares kind and number with the question
        QString t = FragePlatzhalterErsetzen(o.Cap);
        bild = BildTagAusschneiden(t);
        static const QRegularExpression tag(QStringLiteral("<[^<>]*>"));
        t.remove(tag);
        text = TextNormalisieren(t);
        return;
    }
}

QList<LernFrage> LernFragen(const Dokument &d)
{
    QList<LernFrage> fragen;
    if (d.DokTyp != DokArt::Einzelfragen)
        return fragen;
    QSet<QString> gesehen;
    for (int i = 0; i < d.Objekte.size(); ++i) {
        const DokObjekt &o = d.Objekte[i];
        if (o.Typ != ObjektTyp::Antwort)
            continue;
        LernFrage f;
        f.Schluessel = TextNormalisieren(o.Cap);
        if (f.Schluessel.isEmpty() || gesehen.contains(f.Schluessel))
            continue;
        gesehen.insert(f.Schluessel);
        f.Objekt = i;
        TextUndBild(d, o.FrageNummer, f.Text, f.Bild);
        fragen << f;
    }
    return fragen;
}

QString FragenBild(const Dokument &d, const QString &frage)
{
    for (const DokObjekt &o : d.Objekte) {
        if (o.Typ != ObjektTyp::Antwort || TextNormalisieren(o.Cap) != frage)
            continue;
        QString text, bild;
        TextUndBild(d, o.FrageNummer, text, bild);
        return bild;
    }
    return {};
}
