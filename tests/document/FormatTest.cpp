// Tests of the document file format: round trips, layout and optional keys.
#include "DokTestHilfen.h"
#include "DokumentDatei.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

void ErwarteGleich(const Dokument &a, const Dokument &b)
{
    EXPECT_EQ(a.Vers, b.Vers);
    EXPECT_EQ(a.Titel, b.Titel);
    EXPECT_EQ(a.Autor, b.Autor);
    EXPECT_EQ(a.Bemerkung, b.Bemerkung);
    EXPECT_EQ(a.Lueckentext, b.Lueckentext);
    EXPECT_EQ(a.Fragentext, b.Fragentext);
    EXPECT_EQ(a.AnzFrageNummern, b.AnzFrageNummern);
    EXPECT_EQ(a.DokTyp, b.DokTyp);
    EXPECT_EQ(a.RandErw, b.RandErw);
    EXPECT_EQ(a.NumArt, b.NumArt);
    EXPECT_EQ(a.GeordnetArt, b.GeordnetArt);
    ASSERT_EQ(a.Objekte.size(), b.Objekte.size());
    for (qsizetype i = 0; i < a.Objekte.size(); ++i) {
        const DokObjekt &x = a.Objekte[i], &y = b.Objekte[i];
        EXPECT_EQ(x.Sx, y.Sx);
        EXPECT_EQ(x.Sy, y.Sy);
        EXPECT_EQ(x.Kx, y.Kx);
        EXPECT_EQ(x.Ky, y.Ky);
        EXPECT_EQ(x.Cap, y.Cap);
        EXPECT_EQ(x.KAusr, y.KAusr);
        EXPECT_EQ(x.TAusr, y.TAusr);
        EXPECT_EQ(x.Ebene, y.Ebene);
        EXPECT_EQ(x.Typ, y.Typ);
        EXPECT_EQ(x.Sline, y.Sline);
        EXPECT_EQ(x.Fsize, y.Fsize);
        EXPECT_EQ(x.KAusrAkt, y.KAusrAkt);
        EXPECT_EQ(x.FrageNummer, y.FrageNummer);
    }
}

// The header of a hand-made file up to the object count, with the given key
// list; optional fields are written only when their key is meant to be there.
RohDatei Kopf(const QByteArray &schluessel, bool alleOptionalen)
{
    RohDatei r;
    r.Str("KMF-1.01").Str(schluessel).Str("1.00").Str("Titel").Str("Autor").Str("Bem");
    if (alleOptionalen)
        r.Str("L").Str("F").Int(3).Int(1).Real(0.5).Real(0.25).Real(0.125).Real(1).Int(1).Int(2);
    return r;
}

RohDatei &ObjektOhneFrageNummer(RohDatei &r, int typ, const QByteArray &cap)
{
    return r.Real(0.1).Real(0.2).Real(0.3).Real(0.4).Str(cap).Int(1).Int(2).Int(1).Int(typ).Int(1).Int(4).Int(3);
}

} // namespace

TEST(DokumentFormat, WriteReadWriteGivesIdenticalBytesAndFields)
{
    const Dokument original = BeispielDokument(7, 5, 20);
    const QByteArray erst = Geschrieben(original);
    Dokument gelesen;
    ASSERT_TRUE(AusBytes(erst, gelesen));
    ErwarteGleich(original, gelesen);
    EXPECT_EQ(gelesen.BasisBild.size(), QSize(7, 5));
    EXPECT_EQ(gelesen.BasisBild.pixel(3, 2), original.BasisBild.pixel(3, 2));
    EXPECT_EQ(Geschrieben(gelesen), erst);
}

TEST(DokumentFormat, SemiTransparentPictureIsStableAfterOneRoundTrip)
{
    Dokument d = BeispielDokument(16, 16, 1);
    QImage bild(16, 16, QImage::Format_ARGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            bild.setPixel(x, y, qRgba(x * 16, 255 - y * 16, 77, (x * 16 + y) % 256));
    d.BasisBild = bild;
    Dokument a, b;
    ASSERT_TRUE(AusBytes(Geschrieben(d), a));
    const QByteArray zweit = Geschrieben(a);
    ASSERT_TRUE(AusBytes(zweit, b));
    EXPECT_EQ(Geschrieben(b), zweit);
    EXPECT_TRUE(b.BasisBild.hasAlphaChannel());
}

TEST(DokumentFormat, LayoutIsLittleEndianWithFullKeyList)
{
    Dokument d = BeispielDokument(2, 2, 0);
    d.Vers = "V";
    d.Titel = "Ä"; // one Windows-1252 byte
    d.Autor = d.Bemerkung = d.Lueckentext = d.Fragentext = "";
    d.AnzFrageNummern = 0x01020304;
    d.DokTyp = DokArt(-2);
    d.RandErw = {1.0, 0, 0, 0};
    const QByteArray bytes = Geschrieben(d);
    RohDatei erwartet;
    erwartet.Str("KMF-1.01").Str(DokSchluesselListe).Str("V").Str("\xC4").Str("").Str("").Str("").Str("");
    erwartet.Int(0x01020304).Int(-2).Real(1).Real(0).Real(0).Real(0).Int(1).Int(3).Int(0);
    ASSERT_GT(bytes.size(), erwartet.b.size());
    EXPECT_EQ(bytes.left(erwartet.b.size()).toHex(), erwartet.b.toHex());
    EXPECT_EQ(bytes.mid(erwartet.b.size(), 8), QByteArray("\x89PNG\r\n\x1a\n"));
    EXPECT_TRUE(bytes.startsWith(QByteArray("\x08\x00\x00\x00KMF-1.01", 12)));
}

// Each document type is stored as its number (0, 1, 2) where the header
// keeps it, and reads back as the same type and the same bytes.
TEST(DokumentFormat, DokumentTypAlsZahlHinUndZurueck)
{
    const std::pair<DokArt, qint32> typen[] = {
        {DokArt::Bildbeschriftung, 0}, {DokArt::Lueckentext, 1}, {DokArt::Einzelfragen, 2}};
    for (const auto &[typ, zahl] : typen) {
        Dokument d = BeispielDokument(2, 2, 0);
        d.Vers = "V";
        d.Titel = d.Autor = d.Bemerkung = d.Lueckentext = d.Fragentext = "";
        d.AnzFrageNummern = 5;
        d.DokTyp = typ;
        const QByteArray bytes = Geschrieben(d);
        RohDatei kopf;
        kopf.Str("KMF-1.01").Str(DokSchluesselListe).Str("V").Str("").Str("").Str("").Str("").Str("").Int(5);
        RohDatei feld;
        feld.Int(zahl);
        ASSERT_GT(bytes.size(), kopf.b.size() + 4);
        EXPECT_EQ(bytes.mid(kopf.b.size(), 4).toHex(), feld.b.toHex()) << zahl;
        Dokument r;
        ASSERT_TRUE(AusBytes(bytes, r));
        EXPECT_EQ(r.DokTyp, typ);
        EXPECT_EQ(Geschrieben(r), bytes);
    }
}

TEST(DokumentFormat, MissingOptionalKeysGiveDefaultsAndNextFieldIsReadInTheirPlace)
{
    // No HD-RandErw and no OB-FrageNummer: NumArt follows DokTyp directly,
    // and each object ends after KAusrAkt.
    const QByteArray schluessel = "|HD-vers|HD-titel|HD-autor|HD-bemerkung|HD-lueckentext|HD-fragentext|"
                                  "HD-AnzFrageNummern|HD-DokTyp|HD-NumArt|HD-GeordnetArt|OB-Sx|OB-Cap|";
    RohDatei r = Kopf(schluessel, false);
    r.Str("L").Str("F").Int(3).Int(1).Int(1).Int(2).Int(2);
    ObjektOhneFrageNummer(r, 0, "Eins");
    ObjektOhneFrageNummer(r, 3, "Zwei");
    r.Roh(PngBytes());
    Dokument d;
    d.RandErw = {9, 9, 9, 9};
    ASSERT_TRUE(AusBytes(r.b, d));
    EXPECT_EQ(d.RandErw, Rechteck{});
    EXPECT_EQ(d.NumArt, 1);
    EXPECT_EQ(d.GeordnetArt, 2);
    ASSERT_EQ(d.Objekte.size(), 2);
    EXPECT_EQ(d.Objekte[0].Cap, "Eins");
    EXPECT_EQ(d.Objekte[1].Cap, "Zwei");
    EXPECT_EQ(d.Objekte[1].Typ, 3);
    EXPECT_EQ(d.Objekte[1].KAusrAkt, 3);
    for (const DokObjekt &o : d.Objekte)
        EXPECT_EQ(o.FrageNummer, -1);
    EXPECT_EQ(d.BasisBild.size(), QSize(2, 2));
}

TEST(DokumentFormat, NoOptionalKeyAtAllGivesEveryDefault)
{
    RohDatei r = Kopf("|OB-Sx|", false);
    r.Int(0).Roh(PngBytes());
    Dokument d = BeispielDokument();
    ASSERT_TRUE(AusBytes(r.b, d));
    EXPECT_EQ(d.Lueckentext, "");
    EXPECT_EQ(d.Fragentext, "");
    EXPECT_EQ(d.AnzFrageNummern, 0);
    EXPECT_EQ(d.DokTyp, DokArt::Bildbeschriftung);
    EXPECT_EQ(d.NumArt, 0);
    EXPECT_EQ(d.GeordnetArt, 0);
    EXPECT_TRUE(d.Objekte.isEmpty()); // count 0: the picture follows directly
    EXPECT_EQ(d.BasisBild.size(), QSize(2, 2));
}

TEST(DokumentFormat, KeyTestIsACaseSensitiveSubstringSearch)
{
    // "HD-NumArt" only as the start of a longer name still counts; a name in
    // another case does not.
    RohDatei r = Kopf("HD-NumArtikel hd-geordnetart", false);
    r.Int(7).Int(0).Roh(PngBytes());
    Dokument d;
    ASSERT_TRUE(AusBytes(r.b, d));
    EXPECT_EQ(d.NumArt, 7);
    EXPECT_EQ(d.GeordnetArt, 0);
    EXPECT_TRUE(SchluesselGelistet("xxOB-FrageNummerxx", "OB-FrageNummer"));
    EXPECT_FALSE(SchluesselGelistet("|OB-Fragenummer|", "OB-FrageNummer"));
}

TEST(DokumentFormat, RunTimeFieldsAreResetAndPlaceholderQuestionTextsDropped)
{
    RohDatei r = Kopf(DokSchluesselListe, true);
    r.Int(3);
    ObjektOhneFrageNummer(r, 11, "\"Frage Nr. 3\"").Int(3);
    ObjektOhneFrageNummer(r, 10, "\"Frage Nr. 3\"").Int(3);
    ObjektOhneFrageNummer(r, 11, "\"frage nr. 3\"").Int(3);
    r.Roh(PngBytes());
    Dokument d;
    ASSERT_TRUE(AusBytes(r.b, d));
    ASSERT_EQ(d.Objekte.size(), 3);
    EXPECT_EQ(d.Objekte[0].Cap, "");
    EXPECT_EQ(d.Objekte[1].Cap, "Frage Nr. 3");
    EXPECT_EQ(d.Objekte[2].Cap, "frage nr. 3");
    const DokObjekt &o = d.Objekte[1];
    EXPECT_EQ(o.Abdeckung, -1);
    EXPECT_EQ(o.Nummer, -1);
    EXPECT_EQ(o.FehlerAlsZiel, 0);
    EXPECT_EQ(o.FehlerAlsText, 0);
    EXPECT_EQ(o.Rahmen, (Rechteck{-1, -1, -1, -1}));
    EXPECT_EQ(o.HalbBreite, 0);
    EXPECT_EQ(o.PixLinks, -1);
    EXPECT_EQ(o.PixOben, -1);
    EXPECT_EQ(o.FrageNummer, 3);
    EXPECT_EQ(d.RandErw, (Rechteck{0.5, 0.25, 0.125, 1}));
}

TEST(DokumentFormat, OnlyTheFirstFourCharactersOfTheMagicCount)
{
    Dokument d;
    bool falsch = true;
    RohDatei gut;
    gut.Str("KMF-9.99 beta").Str(DokSchluesselListe);
    QByteArray rest = Geschrieben(BeispielDokument()).mid(4 + 8 + 4 + int(strlen(DokSchluesselListe)));
    ASSERT_TRUE(AusBytes(gut.b + rest, d, &falsch));
    EXPECT_FALSE(falsch);

    for (const QByteArray &k : {QByteArray("KMF_1.01"), QByteArray("KMF"), QByteArray("kmf-1.01"), QByteArray()}) {
        RohDatei schlecht;
        schlecht.Str(k).Str(DokSchluesselListe);
        EXPECT_FALSE(AusBytes(schlecht.b + rest, d, &falsch)) << k.constData();
        EXPECT_TRUE(falsch) << k.constData();
    }
}

TEST(DokumentFormat, TruncationAtEveryOffsetFailsCleanly)
{
    const QByteArray ganz = Geschrieben(BeispielDokument(3, 2, 3));
    for (qsizetype n = 0; n < ganz.size(); ++n) {
        Dokument d;
        EXPECT_FALSE(AusBytes(ganz.left(n), d)) << "length " << n;
        QBuffer buf;
        buf.setData(ganz.left(n));
        buf.open(QIODevice::ReadOnly);
        QString titel;
        // The title ends early in the file; a cut before its end is refused.
        if (n < 4 + 8 + 4 + qsizetype(strlen(DokSchluesselListe)) + 8 + 4) {
            EXPECT_FALSE(TitelLesen(buf, titel)) << "length " << n;
        }
    }
    Dokument d;
    EXPECT_TRUE(AusBytes(ganz, d));
}

TEST(DokumentFormat, BytesAfterThePictureAreIgnored)
{
    Dokument d;
    ASSERT_TRUE(AusBytes(Geschrieben(BeispielDokument()) + QByteArray(1000, 'x'), d));
    EXPECT_EQ(d.Objekte.size(), 2);
}

TEST(DokumentFormat, AbsurdLengthsAndCountsAreRefusedBeforeAllocating)
{
    const QByteArray png = PngBytes();
    auto versuche = [&](const RohDatei &r) {
        Dokument d;
        return AusBytes(r.b, d);
    };
    // String lengths: negative, huge, one more than what is left.
    for (qint32 n : {-1, -2147483647 - 1, 2147483647, 1 << 30}) {
        RohDatei r;
        r.Str("KMF-1.01").Int(n).Roh("abc");
        EXPECT_FALSE(versuche(r)) << n;
        RohDatei t;
        t.Str("KMF-1.01").Str(DokSchluesselListe).Str("1.00").Int(n);
        QString titel;
        QBuffer buf(&t.b);
        buf.open(QIODevice::ReadOnly);
        EXPECT_FALSE(TitelLesen(buf, titel)) << n;
    }
    {
        RohDatei r;
        r.Str("KMF-1.01").Int(5).Roh("abcd");
        EXPECT_FALSE(versuche(r));
    }
    // Object counts: negative, huge, and one more than the bytes can hold.
    for (qint32 n : {-1, -2147483647 - 1, 2147483647, 100000000}) {
        RohDatei r = Kopf(DokSchluesselListe, true);
        r.Int(n).Roh(png);
        EXPECT_FALSE(versuche(r)) << n;
    }
    {
        RohDatei r = Kopf(DokSchluesselListe, true);
        const qint64 platz = png.size() / ObjektMindestGroesse(true);
        r.Int(qint32(platz + 1)).Roh(png);
        EXPECT_FALSE(versuche(r));
    }
    // A caption length beyond the end inside an object.
    {
        RohDatei r = Kopf(DokSchluesselListe, true);
        r.Int(1).Real(0).Real(0).Real(0).Real(0).Int(1000000).Roh(png);
        EXPECT_FALSE(versuche(r));
    }
}

TEST(DokumentFormat, DamagedPictureFails)
{
    QByteArray bytes = Geschrieben(BeispielDokument(20, 20, 1));
    Dokument d;
    ASSERT_TRUE(AusBytes(bytes, d));
    const qsizetype idat = bytes.indexOf("IDAT");
    ASSERT_GT(idat, 0);
    bytes[idat + 6] = char(bytes[idat + 6] ^ 0x55);
    EXPECT_FALSE(AusBytes(bytes, d));
    // A picture that claims more rows than its data could ever hold.
    QByteArray gross = Geschrieben(BeispielDokument(2, 2, 0));
    const qsizetype ihdr = gross.indexOf("IHDR");
    gross[ihdr + 8] = char(0x7f); // height 0x7f000002
    EXPECT_FALSE(AusBytes(gross, d));
}

TEST(DokumentFormat, SavingWithoutAPictureFails)
{
    Dokument d = BeispielDokument();
    d.BasisBild = QImage();
    QBuffer buf;
    buf.open(QIODevice::WriteOnly);
    EXPECT_FALSE(DokumentSchreiben(buf, d));
}
