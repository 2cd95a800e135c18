// The four participant messages: their lines and strict reading.
#include "TnNachricht.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {
const QString K = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZABCD");

TnNachricht Aktion()
{
    TnNachricht n;
    n.Art = TnArt::Aktion;
    n.Kennung = K;
    n.AktZiel = 12;
    n.Abdeckung = -2;
    n.FehlerAlsZiel = 1;
    n.Endestatus = EndeArt::Laeuft;
    n.StartZeitText = "10:00:00";
    n.AnzFragen = 30;
    n.AnzRichtig = 7;
    n.AnzFalsch = 2;
    n.AnzOffen = 23;
    n.UhrText = "01:05";
    n.Erfolgsquote = 77.8;
    n.Gesamtleistung = 21.9;
    n.Schulnote = 5;
    return n;
}
} // namespace

TEST(TnNachricht, ZahlenFormate)
{
    EXPECT_EQ(ProzentZahlText(0.853), "85.3");
    EXPECT_EQ(ProzentZahlText(2.0 / 3), "66.7");
    EXPECT_EQ(ProzentZahlText(1.0), "100.0");
    EXPECT_EQ(ProzentZahlText(0.0), "0.0");
    QLocale::setDefault(QLocale::c());
    const QString sep = QLocale::system().decimalPoint();
    EXPECT_EQ(AllgemeineZahlText(46363.5), "46363" + sep + "5");
    EXPECT_EQ(AllgemeineZahlText(1.0 / 3), "0" + sep + "333333333333333"); // 15 significant digits
    EXPECT_EQ(AllgemeineZahlText(1.0), "1");
    double v = 0;
    ASSERT_TRUE(AllgemeineZahlLesen("46363,4166666667", v));
    EXPECT_DOUBLE_EQ(v, 46363.4166666667);
    ASSERT_TRUE(AllgemeineZahlLesen("0.25", v));
    EXPECT_DOUBLE_EQ(v, 0.25);
    ASSERT_TRUE(AllgemeineZahlLesen("1E-5", v));
    for (const char *s : {"", "1,2,3", "nan", "inf", "1e999", "1.", "+1", " 1", "0x10", "1e"})
        EXPECT_FALSE(AllgemeineZahlLesen(s, v)) << s;
    // The long time format without a zone: hours, minutes, seconds.
    const QString z = LangeZeitText(QTime(9, 5, 7));
    EXPECT_TRUE(z.contains("05") && z.contains("07")) << z.toStdString();
    EXPECT_FALSE(z.contains("UTC") || z.contains("CET")) << z.toStdString();
}

TEST(TnNachricht, ZeilenDerVierNachrichten)
{
    TnNachricht i;
    i.Art = TnArt::Init;
    i.Kennung = K;
    i.Name = "";
    i.StartZeitText = "10:00:00";
    EXPECT_EQ(TnZeilen(i), QStringList({"TN-INIT", K, "", "10:00:00"}));

    EXPECT_EQ(TnZeilen(Aktion()), QStringList({"TN-AKTION", K, "12", "-2", "1", "0", "10:00:00", "30", "7", "2", "23",
                                               "01:05", "77.8", "21.9", "5"}));
    TnNachricht f;
    f.Art = TnArt::Fertig;
    f.Kennung = K;
    f.Endestatus = EndeArt::Zeitlimit;
    f.UhrText = "00:00";
    EXPECT_EQ(TnZeilen(f), QStringList({"TN-FERTIG", K, "3", "00:00"}));

    TnNachricht b;
    b.Art = TnArt::Bestlist;
    b.Kennung = K;
    b.Name = "Anna";
    b.Rechner = "pc-07";
    b.Beginn = 46363.5;
    b.Laufzeit = 65432;
    b.Leistung = 0.75;
    const QString sep = QLocale::system().decimalPoint();
    EXPECT_EQ(TnZeilen(b),
              QStringList({"TN-BESTLIST", K, "Anna", "pc-07", "46363" + sep + "5", "65432", "0" + sep + "75"}));

    // Every message reads back to what was sent.
    for (const TnNachricht &n : {i, Aktion(), f, b}) {
        TnNachricht r;
        ASSERT_TRUE(TnLesen(TnZeilen(n), r));
        EXPECT_EQ(TnZeilen(r), TnZeilen(n));
    }
}

TEST(TnNachricht, StrengesLesen)
{
    TnNachricht r;
    const QStringList gut = TnZeilen(Aktion());
    ASSERT_TRUE(TnLesen(gut, r));
    EXPECT_EQ(r.AnzRichtig, 7);
    EXPECT_DOUBLE_EQ(r.Gesamtleistung, 21.9);

    // Each field replaced by a wrong value in turn.
    const QList<QPair<int, QString>> falsch = {{0, "TN-Aktion"},
                                               {1, "ABC"},
                                               {1, K.toLower()},
                                               {1, K.left(29) + "Ä"},
                                               {2, "x"},
                                               {2, "-2"},
                                               {3, "1"},
                                               {3, "-7"},
                                               {4, "-1"},
                                               {5, "4"},
                                               {6, ""},
                                               {6, QString(41, '1')},
                                               {6, "10\x01"},
                                               {7, "1.5"},
                                               {8, "99999999999"},
                                               {9, " 2"},
                                               {10, "+3"},
                                               {11, "1:05"},
                                               {11, "01:60"},
                                               {11, "a1:05"},
                                               {12, "77,8"},
                                               {12, "100.1"},
                                               {12, "77.85"},
                                               {13, "-1.0"},
                                               {14, "0"},
                                               {14, "7"}};
    for (const auto &[zeile, wert] : falsch) {
        QStringList z = gut;
        z[zeile] = wert;
        EXPECT_FALSE(TnLesen(z, r)) << zeile << " " << wert.toStdString();
    }
    // Wrong line counts.
    EXPECT_FALSE(TnLesen(gut.mid(0, 14), r));
    EXPECT_FALSE(TnLesen(gut + QStringList{"x"}, r));
    EXPECT_FALSE(TnLesen({}, r));
    EXPECT_FALSE(TnLesen({"TN-INIT"}, r));
    EXPECT_FALSE(TnLesen({"TN-INIT", K, QString(101, 'n'), "10:00:00"}, r));
    EXPECT_FALSE(TnLesen({"TN-FERTIG", K, "0", "01:00"}, r)); // a finished run has status 1..3
    EXPECT_TRUE(TnLesen({"TN-FERTIG", K, "2", "01:00"}, r));
    EXPECT_FALSE(TnLesen({"TN-BESTLIST", K, "n", "pc", "46363.5", "-1", "0.5"}, r));
    EXPECT_FALSE(TnLesen({"TN-BESTLIST", K, "n", "pc", "46363.5", "100", "1.5"}, r));
    EXPECT_FALSE(TnLesen({"TN-BESTLIST", K, "n", "pc", "-3", "100", "0.5"}, r));
    EXPECT_FALSE(TnLesen({"TN-BESTLIST", K, "n", "pc", "9e99", "100", "0.5"}, r));
    ASSERT_TRUE(TnLesen({"TN-BESTLIST", K, "n", "pc", "46363,5", "100", "0,5"}, r));
    EXPECT_DOUBLE_EQ(r.Beginn, 46363.5);
    EXPECT_DOUBLE_EQ(r.Leistung, 0.5);
}

// The end status travels as its number: 0 running, 1 completed, 2 aborted,
// 3 time limit. A running status is no end, so "TN-FERTIG" refuses it.
TEST(TnNachricht, EndestatusAlsZahlHinUndZurueck)
{
    const std::pair<EndeArt, QString> werte[] = {
        {EndeArt::Laeuft, "0"}, {EndeArt::Fertig, "1"}, {EndeArt::Abgebrochen, "2"}, {EndeArt::Zeitlimit, "3"}};
    for (const auto &[art, zahl] : werte) {
        TnNachricht a = Aktion();
        a.Endestatus = art;
        const QStringList zeilen = TnZeilen(a);
        EXPECT_EQ(zeilen[5], zahl);
        TnNachricht r;
        ASSERT_TRUE(TnLesen(zeilen, r)) << zahl.toStdString();
        EXPECT_EQ(r.Endestatus, art);

        TnNachricht f;
        f.Art = TnArt::Fertig;
        f.Kennung = K;
        f.Endestatus = art;
        f.UhrText = "00:10";
        EXPECT_EQ(TnZeilen(f)[2], zahl);
        TnNachricht g;
        EXPECT_EQ(TnLesen(TnZeilen(f), g), art != EndeArt::Laeuft) << zahl.toStdString();
        if (art != EndeArt::Laeuft) {
            EXPECT_EQ(g.Endestatus, art);
        }
    }
    // Numbers outside the four are refused.
    QStringList zeilen = TnZeilen(Aktion());
    TnNachricht r;
    for (const char *z : {"4", "-1"}) {
        zeilen[5] = z;
        EXPECT_FALSE(TnLesen(zeilen, r)) << z;
    }
}
