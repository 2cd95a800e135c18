// The tag grammar of document texts: which tag starts at a position, and a text without its tags.
#include "MarkupTags.h"

#include "Markup.h"

#include <QStringList>

namespace {

// Templates of the tags with digits; every digit (for the colour tag every
// hexadecimal digit) counts as "0" on both sides of the comparison.
QString Maske(const QString &s, bool hex)
{
    QString m = s.toUpper();
    for (QChar &c : m) {
        if (c.isDigit() || (hex && c >= 'A' && c <= 'F'))
            c = '0';
    }
    return m;
}

bool PasstVorlage(const QString &text, int pos, const QString &vorlage, bool hex = false)
{
    if (pos + vorlage.size() > text.size())
        return false;
    // Every template begins with "<@", and nothing else masks to "@": most
    // texts end here without building the masks.
    if (text[pos + 1] != '@')
        return false;
    return Maske(text.mid(pos, vorlage.size()), hex) == Maske(vorlage, hex);
}

// Compared in place: a text of many "<" must not cost a copy per candidate.
bool IstTag(const QString &text, int pos, QStringView tag)
{
    return QStringView(text).sliced(pos, qMin(tag.size(), text.size() - pos)).compare(tag, Qt::CaseInsensitive) == 0;
}

} // namespace

std::optional<MarkupTag> MarkupTagBei(const QString &text, int pos, LueckenMarke luecke)
{
    // Every tag begins with "<" or ">", and no other character matches
    // either of them case-insensitively: the common case ends here.
    if (pos < 0 || pos >= text.size() || (text[pos] != '<' && text[pos] != '>'))
        return std::nullopt;
    static const struct
    {
        QStringView tag;
        MarkupTagArt art;
    } stile[] = {{u"<B>", MarkupTagArt::Fett},          {u"</B>", MarkupTagArt::FettAus},
                 {u"<I>", MarkupTagArt::Kursiv},        {u"</I>", MarkupTagArt::KursivAus},
                 {u"<U>", MarkupTagArt::Unterstrichen}, {u"</U>", MarkupTagArt::UnterstrichenAus}};
    for (const auto &s : stile)
        if (IstTag(text, pos, s.tag))
            return MarkupTag{s.art, int(s.tag.size())};
    if (luecke == LueckenMarke::Auf && IstTag(text, pos, u"<<"))
        return MarkupTag{MarkupTagArt::LueckeAuf, 2};
    if (luecke == LueckenMarke::Zu && IstTag(text, pos, u">>"))
        return MarkupTag{MarkupTagArt::LueckeZu, 2};
    if (PasstVorlage(text, pos, QStringLiteral("<@COL=000000>"), true))
        return MarkupTag{MarkupTagArt::Farbe, 13};
    if (IstTag(text, pos, u"</@COL>"))
        return MarkupTag{MarkupTagArt::FarbeAus, 7};
    if (IstTag(text, pos, u"<@LINIE>"))
        return MarkupTag{MarkupTagArt::Linie, 8};
    if (PasstVorlage(text, pos, QStringLiteral("<@POSX=00%>")))
        return MarkupTag{MarkupTagArt::Tab, 11, text.mid(pos + 7, 2).toInt()};
    if (PasstVorlage(text, pos, QStringLiteral("<@REB=00>")))
        return MarkupTag{MarkupTagArt::Feld, 9, text.mid(pos + 6, 2).toInt()};
    return std::nullopt;
}

QString AbsatzOhneMarkup(const QString &absatz)
{
    QString ohne;
    ohne.reserve(absatz.size());
    for (int pos = 0; pos < absatz.size();) {
        const std::optional<MarkupTag> tag = MarkupTagBei(absatz, pos);
        if (!tag) {
            ohne += absatz[pos++];
            continue;
        }
        pos += tag->Laenge;
        if (tag->Art == MarkupTagArt::Feld) {
            ohne += absatz.mid(pos, tag->Zahl);
            pos += int(absatz.mid(pos, tag->Zahl).size());
        }
    }
    return ohne;
}

QString InfotextOhneMarkup(const QString &text)
{
    QStringList zeilen = TextZeilen(text);
    for (QString &z : zeilen)
        z = AbsatzOhneMarkup(z);
    return zeilen.join('\n');
}
