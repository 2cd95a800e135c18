// Sending a topic document by e-mail: the steps, the message and a stand-in xdg-email.
#include "EMailAblauf.h"
#include "MailNachricht.h"
#include "TestDienste.h"
#include "XdgEmailVersand.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// Answers the dialog from a queue: (OK?, option) per showing.
class TestMailDialog : public IMailDialog
{
public:
    QList<QPair<bool, int>> antworten;
    int gezeigt = 0;
    bool MailDialogZeigen(int &option) override
    {
        ++gezeigt;
        if (antworten.isEmpty())
            return false;
        const auto a = antworten.takeFirst();
        option = a.second;
        return a.first;
    }
};

void Anlegen(const QString &pfad)
{
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
}

// A stand-in xdg-email in its own folder, first on the PATH: it writes
// its arguments, one per line, NUL-separated, to aufruf and exits with the
// code in the file code (0 when missing), after sleeping the seconds in
// the file pause.
class XdgEmailAttrappe
{
public:
    QTemporaryDir dir;
    QByteArray altPath = qgetenv("PATH");

    explicit XdgEmailAttrappe(bool vorhanden = true)
    {
        if (vorhanden) {
            QFile s(dir.filePath("xdg-email"));
            s.open(QIODevice::WriteOnly);
            s.write("#!/bin/sh\n"
                    "PATH=/usr/bin:/bin\n"
                    "d=$(dirname \"$0\")\n"
                    "printf '%s\\0' \"$@\" > \"$d/aufruf\"\n"
                    "[ -f \"$d/pause\" ] && sleep \"$(cat \"$d/pause\")\"\n"
                    "exit \"$(cat \"$d/code\" 2>/dev/null || echo 0)\"\n");
            s.close();
            s.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        }
        // Only this folder: a real xdg-email elsewhere must not be found.
        qputenv("PATH", dir.path().toLocal8Bit());
    }
    ~XdgEmailAttrappe() { qputenv("PATH", altPath); }

    void Setze(const char *datei, const QByteArray &inhalt)
    {
        QFile f(dir.filePath(datei));
        f.open(QIODevice::WriteOnly);
        f.write(inhalt);
    }
    QStringList Aufruf() const
    {
        QFile f(dir.filePath("aufruf"));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        QStringList a = QString::fromUtf8(f.readAll()).split(QChar(0));
        a.removeLast(); // after the last NUL
        return a;
    }
};

int Senden(XdgEmailVersand &v, const MailNachricht &n)
{
    QSignalSpy spy(&v, &XdgEmailVersand::Beendet);
    v.Senden(n);
    if (spy.isEmpty() && !spy.wait(10000))
        return -1;
    return spy.takeFirst().at(0).toInt();
}
} // namespace

class EMail : public ::testing::Test
{
protected:
    QTemporaryDir tmp;
    QString setup = tmp.path() + "/setup/";
    QString dok = tmp.path() + "/Europa.tvl";
    TestMeldungen meldungen;
    TestMailDialog dialog;
    EMailAblauf ablauf{meldungen, dialog};

    void SetUp() override
    {
        QDir().mkpath(setup);
        Anlegen(dok);
    }
};

TEST_F(EMail, NurDokumentEinAnhangUndDieDokumentZeileZuerst)
{
    dialog.antworten = {{true, 0}};
    const auto n = ablauf.NachrichtErstellen(dok, setup);
    ASSERT_TRUE(n.has_value());
    EXPECT_EQ(n->Betreff, "TVL-Dokument");
    EXPECT_EQ(n->Anhaenge, QStringList{QFileInfo(dok).absoluteFilePath()});
    const QStringList zeilen = n->Text.split("\r\n");
    EXPECT_EQ(zeilen[0], "TVL-Themendokument: Europa.tvl");
    EXPECT_EQ(zeilen[1], "");
    EXPECT_EQ(zeilen[2], "- Information -");
    EXPECT_EQ(zeilen[3], "\"TVL - Tavolin\" ist ein Autorensystem für digitale Lern- und Übungseinheiten. ");
    EXPECT_EQ(zeilen[4], "Zum Öffnen von TVL-Themendokumenten wird das TVL-Basissystem (liegt allen Themenpaketen "
                         "kostenlos bei) oder das TVL-Autorensystem (kostet z.Zt. ab 49,90 Euro) benötigt. ");
    EXPECT_EQ(zeilen[5], "Weitere Informationen im Internet unter: ");
    EXPECT_EQ(zeilen[6], "https://pennoria.example.org/ ");
    EXPECT_EQ(zeilen[7], "");
    EXPECT_EQ(zeilen.size(), 8);
    EXPECT_TRUE(meldungen.protokoll.empty());

    // Handed to xdg-email: subject, body, the one attachment.
    XdgEmailAttrappe xdg;
    XdgEmailVersand v;
    EXPECT_EQ(Senden(v, *n), 0);
    EXPECT_EQ(xdg.Aufruf(), (QStringList{"--subject", "TVL-Dokument", "--body", n->Text, "--attach",
                                         QFileInfo(dok).absoluteFilePath()}));
    MailErgebnisMelden(meldungen, 0);
    ASSERT_EQ(meldungen.protokoll.size(), 1u);
    EXPECT_EQ(meldungen.protokoll[0].art, "Information");
    EXPECT_TRUE(meldungen.protokoll[0].text.startsWith("Die Nachricht wurde dem E-Mail-Programm erfolgreich"));
}

TEST_F(EMail, BasisSetupWirdAngehaengt)
{
    Anlegen(setup + "setup-tvl10basis.exe");
    Anlegen(setup + "setup-tvl00anderes.exe");
    dialog.antworten = {{true, 1}};
    const auto n = ablauf.NachrichtErstellen(dok, setup);
    ASSERT_TRUE(n.has_value());
    ASSERT_EQ(n->Anhaenge.size(), 2);
    EXPECT_EQ(n->Anhaenge[1], QFileInfo(setup + "setup-tvl10basis.exe").absoluteFilePath());
    EXPECT_TRUE(n->Text.startsWith("TVL-Themendokument: Europa.tvl\r\nTVL-Basissystem: setup-tvl10basis.exe\r\n\r\n"));
    EXPECT_TRUE(meldungen.protokoll.empty()); // no question when the base setup is there
}

TEST_F(EMail, NurAnderesSetupFragtNeinFuehrtZumDialogZurueck)
{
    Anlegen(setup + "Setup-TVL20komplett.EXE");
    Anlegen(setup + "readme.txt");
    meldungen.antworten = {Antwort::Nein, Antwort::Ja};
    dialog.antworten = {{true, 1}, {true, 1}};
    const auto n = ablauf.NachrichtErstellen(dok, setup);
    EXPECT_EQ(dialog.gezeigt, 2); // No: the dialog again
    ASSERT_EQ(meldungen.protokoll.size(), 2u);
    EXPECT_EQ(meldungen.protokoll[0].art, "JaNein");
    EXPECT_EQ(meldungen.protokoll[0].text, "Soll die Setup-Programmdatei \"Setup-TVL20komplett.EXE\" mitverschickt "
                                           "werden?\r\n(Das einzelne Setup für das TVL-Basissystem ist nicht "
                                           "verfügbar.)");
    ASSERT_TRUE(n.has_value());
    EXPECT_EQ(n->Anhaenge.size(), 2);
    EXPECT_TRUE(n->Text.contains("\r\nSetup-Programmdatei: Setup-TVL20komplett.EXE\r\n"));

    // No, then cancelling the dialog: nothing to send.
    meldungen.Leeren();
    meldungen.antworten = {Antwort::Nein};
    dialog.antworten = {{true, 1}};
    dialog.gezeigt = 0;
    EXPECT_FALSE(ablauf.NachrichtErstellen(dok, setup).has_value());
    EXPECT_EQ(dialog.gezeigt, 2);
}

TEST_F(EMail, KeinSetupMeldetDenFehlerUndZeigtDenDialogWieder)
{
    dialog.antworten = {{true, 1}, {true, 0}};
    const auto n = ablauf.NachrichtErstellen(dok, setup);
    ASSERT_EQ(meldungen.protokoll.size(), 1u);
    EXPECT_EQ(meldungen.protokoll[0].art, "Fehler");
    EXPECT_EQ(meldungen.protokoll[0].text,
              "Datei \"" + setup + "setup-tvl10basis.exe\" (Setup für das TVL-Basissystem) nicht gefunden.");
    ASSERT_TRUE(n.has_value());
    EXPECT_EQ(n->Anhaenge.size(), 1); // then the document alone
    EXPECT_EQ(dialog.gezeigt, 2);
}

TEST_F(EMail, AbbrechenUndKeinDokumentSendenNichts)
{
    dialog.antworten = {{false, 0}};
    EXPECT_FALSE(ablauf.NachrichtErstellen(dok, setup).has_value());
    EXPECT_TRUE(meldungen.protokoll.empty());

    dialog.gezeigt = 0;
    EXPECT_FALSE(ablauf.NachrichtErstellen(QString(), setup).has_value());
    EXPECT_EQ(dialog.gezeigt, 0);
    ASSERT_EQ(meldungen.protokoll.size(), 1u);
    EXPECT_EQ(meldungen.protokoll[0].art, "Information");
    EXPECT_EQ(meldungen.protokoll[0].text,
              "Es ist kein Dokument geöffnet bzw. das aktuelle Dokument muss zunächst gespeichert werden.");
}

TEST(XdgEmail, AusgangWirdZumErgebnisCode)
{
    EXPECT_EQ(MailCodeAusXdgEmail(false, false, 0), 1); // xdg-email missing
    EXPECT_EQ(MailCodeAusXdgEmail(true, true, 0), 0);
    EXPECT_EQ(MailCodeAusXdgEmail(true, true, 3), 1); // no mail program
    EXPECT_EQ(MailCodeAusXdgEmail(true, true, 2), 11);
    EXPECT_EQ(MailCodeAusXdgEmail(true, true, 5), 12);
    EXPECT_EQ(MailCodeAusXdgEmail(true, true, 1), 2);
    EXPECT_EQ(MailCodeAusXdgEmail(true, true, 4), 2);
    EXPECT_EQ(MailCodeAusXdgEmail(true, false, 0), 2); // crashed

    EXPECT_EQ(MailTexte::FehlerText(1), "Der E-Mail-Versand wurde abgebrochen.");
    EXPECT_EQ(MailTexte::FehlerText(11), "The specified attachment was not found; no message was sent.");
    EXPECT_EQ(MailTexte::FehlerText(99),
              "Bei der Übermittlung der Nachricht an das E-Mail-Programm ist ein Fehler aufgetreten.");
}

TEST(XdgEmail, FehlendesProgrammUndFehlerCodesDerAttrappe)
{
    MailNachricht n;
    n.Text = "T";
    {
        XdgEmailAttrappe ohne(false);
        XdgEmailVersand v;
        EXPECT_EQ(Senden(v, n), 1);
        TestMeldungen m;
        MailErgebnisMelden(m, 1);
        EXPECT_EQ(m.Texte(), QStringList{"Der E-Mail-Versand wurde abgebrochen."});
        EXPECT_EQ(m.protokoll[0].art, "Warnung");
    }
    XdgEmailAttrappe xdg;
    XdgEmailVersand v;
    xdg.Setze("code", "3");
    EXPECT_EQ(Senden(v, n), 1);
    xdg.Setze("code", "2");
    EXPECT_EQ(Senden(v, n), 11);
    xdg.Setze("code", "4");
    EXPECT_EQ(Senden(v, n), 2);
}

TEST(XdgEmail, BlockiertNichtUndGiltNachDerFristAlsUebergeben)
{
    XdgEmailAttrappe xdg;
    xdg.Setze("pause", "3");
    XdgEmailVersand v;
    v.GnadenfristMs = 200;
    MailNachricht n;
    QSignalSpy spy(&v, &XdgEmailVersand::Beendet);
    QElapsedTimer t;
    t.start();
    v.Senden(n);
    EXPECT_LT(t.elapsed(), 1500); // returns while the mail program still runs
    EXPECT_EQ(v.Offen(), 1);
    ASSERT_TRUE(spy.wait(2500));
    EXPECT_EQ(spy.takeFirst().at(0).toInt(), 0);
    EXPECT_EQ(v.Offen(), 0);
    // Its later end is not reported a second time.
    QTest::qWait(100);
    EXPECT_TRUE(spy.isEmpty());
}

// Every failed hand-over warns; only success informs.
TEST(XdgEmail, FehlschlaegeWarnen)
{
    for (const int code : {0, 1, 2, 3, 11, 12, 21, 99}) {
        TestMeldungen m;
        MailErgebnisMelden(m, code);
        ASSERT_EQ(m.protokoll.size(), 1u) << code;
        EXPECT_EQ(m.protokoll[0].art, code == 0 ? "Information" : "Warnung") << code;
    }
}

// The base setup and the other setups are found alike, whatever the case
// of their names.
TEST(SetupSuche, GrossUndKleinschreibungZaehltNicht)
{
    const struct
    {
        QStringList dateien;
        SetupFund::Art art;
        const char *name;
    } faelle[] = {
        {{"setup-tvl10basis.exe"}, SetupFund::Basis, "setup-tvl10basis.exe"},
        {{"SETUP-TVL10BASIS.EXE"}, SetupFund::Basis, "SETUP-TVL10BASIS.EXE"},
        {{"Setup-Tvl10Basis.exe", "setup-tvl00alt.exe"}, SetupFund::Basis, "Setup-Tvl10Basis.exe"},
        {{"SETUP-TVL10BASIS.EXE", "setup-tvl10basis.exe"}, SetupFund::Basis, "setup-tvl10basis.exe"},
        {{"Setup-TVL20komplett.EXE"}, SetupFund::Andere, "Setup-TVL20komplett.EXE"},
        {{"setup-tvl10basis.exe.txt", "readme.txt"}, SetupFund::Keine, ""},
    };
    for (const auto &f : faelle) {
        QTemporaryDir tmp;
        for (const QString &d : f.dateien)
            Anlegen(tmp.path() + "/" + d);
        const SetupFund fund = SetupDateiSuchen(tmp.path() + "/");
        EXPECT_EQ(fund.art, f.art) << f.dateien.join(",").toStdString();
        EXPECT_EQ(fund.name, QString::fromLatin1(f.name)) << f.dateien.join(",").toStdString();
    }
}
