// The one QApplication of a widget test program, alive for all tests; the
// controls', the windows' and the app's tests link it.

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class TQtEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        // Widget tests need no display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "kobalind_test";
        static char* argv[] = {name, nullptr};
        App = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { App.reset(); }

private:
    std::unique_ptr<QApplication> App;
};

const testing::Environment* const QtEnvironment = testing::AddGlobalTestEnvironment(new TQtEnvironment);

} // namespace
