// The one QApplication of the controls' test program, alive for all tests.

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
        static char name[] = "test_controls";
        static char* argv[] = {name, nullptr};
        App = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { App.reset(); }

private:
    std::unique_ptr<QApplication> App;
};

const testing::Environment* const QtEnvironment = testing::AddGlobalTestEnvironment(new TQtEnvironment);

} // namespace
