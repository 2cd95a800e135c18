// flaggen: generates the bundled content of the program folder. Called by
// erzeugen.sh, which documents the whole procedure; each step on its own:
//   flaggen flaggen TABLE SVG_FOLDER FLAG_FOLDER PROPORTIONS_CSV
//   flaggen klaenge SOUND_FOLDER
//   flaggen bilder FLAG_FOLDER PICTURE_FOLDER TITLE_PNG
//   flaggen titel2x FLAG_FOLDER TITLE_PNG   (only the title with twice the pixels)
//   flaggen beschreibungen TABLE DESCRIPTION_FOLDER
#include "Beschreibungen.h"
#include "Bilder.h"
#include "Flaggen.h"
#include "Klaenge.h"
#include "Laender.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList a = app.arguments();
    const QString schritt = a.size() > 1 ? a[1] : QString();
    QList<Land> laender;
    QString fehler;
    auto tabelle = [&](const QString &pfad) {
        if (LaenderLesen(pfad, laender, fehler))
            return true;
        std::fprintf(stderr, "%s\n", qPrintable(fehler));
        return false;
    };
    bool ok = false;
    if (schritt == "flaggen" && a.size() == 6)
        ok = tabelle(a[2]) && FlaggenErzeugen(laender, a[3], a[4], a[5]);
    else if (schritt == "klaenge" && a.size() == 3)
        ok = KlaengeErzeugen(a[2]);
    else if (schritt == "bilder" && a.size() == 5)
        ok = BilderErzeugen(a[2], a[3], a[4]);
    else if (schritt == "titel2x" && a.size() == 4)
        ok = TitelbildZweifachZeichnen(a[2], a[3]);
    else if (schritt == "beschreibungen" && a.size() == 4)
        ok = tabelle(a[2]) && BeschreibungenErzeugen(laender, a[3]);
    else {
        std::fprintf(stderr, "usage: see the comment at the top of tools/flaggen/main.cpp\n");
        return 2;
    }
    if (!ok)
        std::fprintf(stderr, "flaggen %s failed\n", qPrintable(schritt));
    return ok ? 0 : 1;
}
