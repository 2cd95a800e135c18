// The one Qt application object a test program needs.
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Fonts, painting and widgets need one application object for the whole
// test program; test programs that ask for it get this file compiled in.
namespace {
class QtUmgebung : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "pennoria_test";
        static char *argv[] = {name, nullptr};
        // What the program keeps per user (its learning store) goes to a
        // folder of this test run, never into the tester's own.
        static QTemporaryDir daten;
        qputenv("XDG_DATA_HOME", daten.path().toLocal8Bit());
        if (!QCoreApplication::instance())
            app = new QApplication(argc, argv);
    }
    QApplication *app = nullptr;
};
const auto *umgebung = ::testing::AddGlobalTestEnvironment(new QtUmgebung);
} // namespace
