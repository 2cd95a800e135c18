// The desktop opener: started without waiting, outcome from the exit status.
#include "DesktopOeffner.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace {
QString Skript(const QTemporaryDir &dir, const QString &name, const QByteArray &rumpf)
{
    const QString pfad = dir.filePath(name);
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write("#!/bin/sh\n" + rumpf + "\n");
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return pfad;
}

// Opens `ziel` with `programm` and waits (spinning the event loop) for the
// report; also says whether Oeffnen returned before the report came.
struct Ausgang
{
    std::optional<bool> ok;
    bool vorherZurueck = false;
    int meldungen = 0;
};

Ausgang Oeffnen(const QString &programm, const QString &ziel)
{
    Ausgang a;
    DesktopOeffner o(programm);
    o.Oeffnen(ziel, [&a](bool ok) {
        ++a.meldungen;
        a.ok = ok;
    });
    a.vorherZurueck = !a.ok.has_value();
    EXPECT_TRUE(QTest::qWaitFor([&] { return a.ok.has_value(); }, 5000)) << "the opener never reported";
    QTest::qWait(50); // a second report would come now
    return a;
}
} // namespace

TEST(DesktopOeffner, ExitStatusDecidesAndTheWindowIsNotBlocked)
{
    QTemporaryDir dir;
    const QString protokoll = dir.filePath("argument.txt");
    const QString gut = Skript(dir, "gut", "printf '%s' \"$1\" > '" + protokoll.toUtf8() + "'; exit 0");
    // Like xdg-open without a browser: a moment of trying, then exit 3.
    const QString ohneBrowser = Skript(dir, "ohne", "sleep 0.3; echo 'xdg-open: no method available' >&2; exit 3");

    Ausgang a = Oeffnen(gut, "https://example.org/a b");
    ASSERT_TRUE(a.ok.has_value());
    EXPECT_TRUE(*a.ok);
    EXPECT_EQ(a.meldungen, 1);
    QFile f(protokoll);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "https://example.org/a%20b");
    f.close();

    // A local file goes as its path.
    a = Oeffnen(gut, "file://" + dir.path() + "/hilfe.html");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(f.readAll()), dir.path() + "/hilfe.html");
    f.close();

    a = Oeffnen(ohneBrowser, "https://example.org/");
    EXPECT_TRUE(a.vorherZurueck); // Oeffnen returned at once
    ASSERT_TRUE(a.ok.has_value());
    EXPECT_FALSE(*a.ok);
    EXPECT_EQ(a.meldungen, 1);

    // No opener installed at all: failure, reported once.
    a = Oeffnen(dir.filePath("gibt-es-nicht"), "https://example.org/");
    ASSERT_TRUE(a.ok.has_value());
    EXPECT_FALSE(*a.ok);
    EXPECT_EQ(a.meldungen, 1);
}
