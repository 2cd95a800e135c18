// Conversion between Unicode text and single-byte Windows-1252.
#include "Cp1252.h"

namespace {
// Code points of 0x80..0x9F; 0 marks the five unassigned bytes, which we
// map to the C1 control of the same value so that reading never loses them.
// clang-format off
const char16_t kSonder[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
// clang-format on

int ByteFuer(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (kSonder[i] == c)
            return 0x80 + i;
    if (c >= 0x80 && c < 0xA0 && kSonder[c - 0x80] == 0)
        return c;
    return -1;
}
} // namespace

QByteArray NachCp1252(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        // A surrogate pair is one character and becomes one "?".
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        const int b = ByteFuer(c);
        out.append(b < 0 ? '?' : char(b));
    }
    return out;
}

QString VonCp1252(const char *data, qsizetype len)
{
    QString out;
    out.resize(len);
    QChar *d = out.data();
    for (qsizetype i = 0; i < len; ++i) {
        const auto b = static_cast<unsigned char>(data[i]);
        char16_t c = b;
        if (b >= 0x80 && b < 0xA0 && kSonder[b - 0x80] != 0)
            c = kSonder[b - 0x80];
        d[i] = QChar(c);
    }
    return out;
}

QString VonCp1252(const QByteArray &bytes)
{
    return VonCp1252(bytes.constData(), bytes.size());
}

bool IstCp1252Darstellbar(const QString &text)
{
    for (QChar ch : text)
        if (ByteFuer(ch.unicode()) < 0)
            return false;
    return true;
}
