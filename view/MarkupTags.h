// The tag grammar of document texts: which tag starts at a position, and a text without its tags.
#pragma once
#include <QString>

#include <optional>

// The six style tags come first, each "on" before its "off".
enum class MarkupTagArt {
    Fett,
    FettAus,
    Kursiv,
    KursivAus,
    Unterstrichen,
    UnterstrichenAus,
    LueckeAuf, // "<<"
    LueckeZu,  // ">>"
    Farbe,     // "<@COL=" six hexadecimal digits ">"
    FarbeAus,  // "</@COL>"
    Linie,     // "<@LINIE>"
    Tab,       // "<@POSX=" two digits "%>"
    Feld,      // "<@REB=" two digits ">", then the field's characters
};

struct MarkupTag
{
    MarkupTagArt Art = MarkupTagArt::Fett;
    int Laenge = 0; // characters of the tag itself
    int Zahl = 0;   // the two digits of a tab or field tag
};

// Which gap mark counts as a tag at a position: none (plain text, the info
// window), the opening "<<" outside a gap, the closing ">>" inside one.
enum class LueckenMarke { Keine, Auf, Zu };

// The tag that starts at text[pos], case-insensitively; nothing when the
// character there is plain text. Tags with digits match their template
// with every digit (for the colour tag every hexadecimal digit) counted as
// "0" on both sides.
std::optional<MarkupTag> MarkupTagBei(const QString &text, int pos, LueckenMarke luecke = LueckenMarke::Keine);

// One paragraph as the info window reads it, without its tags: gap marks
// are text, and the characters of a field are kept as they stand (tags
// inside a field are printed, not obeyed).
QString AbsatzOhneMarkup(const QString &absatz);

// The paragraphs of an info text without their tags, joined by line breaks.
QString InfotextOhneMarkup(const QString &text);
