#include <QApplication>

#include <gtest/gtest.h>

// Widgets need one application object for the whole test program.
namespace {
class QtUmgebung : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "test_hauptfenster";
        static char *argv[] = {name, nullptr};
        if (!QApplication::instance())
            app = new QApplication(argc, argv);
    }
    QApplication *app = nullptr;
};
const auto *umgebung = ::testing::AddGlobalTestEnvironment(new QtUmgebung);
}
