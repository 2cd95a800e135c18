// Saving the learning view as an image file: the save dialog's texts, the
// extension check and the writers.
#pragma once
#include <QImage>
#include <QString>

enum class BildFormat { Ungueltig, Png, Jpeg, Bmp };

namespace AnsichtAusgabe {
inline constexpr const char *DialogTitel = "Ansicht in Bilddatei speichern";
inline constexpr const char *DialogFilter = "Alle Dateien (*.*)|*.*|PNG (*.png)|*.png|JPEG (*.jpg)|*.jpg|"
                                            "Bitmap (*.bmp)|*.bmp";
inline constexpr const char *StandardEndung = "png";
inline constexpr const char *EndungFehler = "Speichern fehlgeschlagen wegen ungültiger Dateinamenserweiterung.";
} // namespace AnsichtAusgabe

// The format named by the file's extension, compared in lower case:
// ".png", ".jpg" or ".bmp"; anything else is refused.
BildFormat FormatVonDateiname(const QString &pfad);

// The extension a filter of the save dialog stands for, "JPEG (*.jpg)"
// giving "jpg"; a filter for all files gives the default "png".
QString EndungVonFilter(const QString &filter);
// A name typed without an extension gets the one of the chosen filter; a
// name with one stays as typed (a wrong one is refused when saving).
QString EndungErgaenzen(const QString &pfad, const QString &filter);

// Writes the picture in the format of the name (PNG at zlib level 5, JPEG
// at quality 99, BMP with 32 bits per pixel). The file is written beside the target and renamed
// over it only when complete, so a failure leaves an existing file as it
// was. False when the name is refused or anything could not be written.
bool BildSpeichern(const QImage &bild, const QString &pfad);
