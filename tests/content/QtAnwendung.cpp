#include <QGuiApplication>

#include <gtest/gtest.h>

// Drawing the question cards needs fonts, so one application object for
// the whole test program.
namespace {
class QtUmgebung : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "test_content";
        static char *argv[] = {name, nullptr};
        if (!QGuiApplication::instance())
            app = new QGuiApplication(argc, argv);
    }
    QGuiApplication *app = nullptr;
};
const auto *umgebung = ::testing::AddGlobalTestEnvironment(new QtUmgebung);
} // namespace
