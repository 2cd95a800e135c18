// The start-up display check: resolution and colour depth, warning and answer.
#include "Anzeigepruefung.h"

QString GrafikmodusWarnung(int breite, int hoehe, int tiefe)
{
    return QStringLiteral("Ungeeigneter Grafikmodus! (Windows-Systemsteuerung / Eigenschaften von Anzeige)\r\n\r\n"
                          "Für dieses Programm sollte ein Grafikmodus mit einer Auflösung von mindestens "
                          "1024 x 768 Pixel (Bildpunkte) und einer Farbtiefe von mindestens 16 Bit (High Color) "
                          "eingestellt sein. \r\nAktuelle Einstellungen:\r\n- Auflösung: ")
           + QString::number(breite) + " x " + QString::number(hoehe) + " Pixel" + "\r\n"
           + "- Farbtiefe: " + QString::number(tiefe) + " Bit" + "\r\n\r\n" + "Programm trotzdem starten?";
}

bool AnzeigeGenuegt(int breite, int hoehe, int tiefe)
{
    // The message asks for more than the test requires; both are deliberate.
    return breite >= 960 && hoehe >= 700 && tiefe >= 15;
}

bool AnzeigePruefen(int breite, int hoehe, int tiefe, IMeldungen &meldungen)
{
    if (AnzeigeGenuegt(breite, hoehe, tiefe))
        return true;
    return meldungen.JaNein(GrafikmodusWarnung(breite, hoehe, tiefe), FrageArt::Warnung) != Antwort::Nein;
}
