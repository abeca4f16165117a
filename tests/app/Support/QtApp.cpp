// One QApplication for the whole test program, created before the first test
// and destroyed after the last one.

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class TQtAppEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "test_app";
        static char* argv[] = {name, nullptr};
        App = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { App.reset(); }

private:
    std::unique_ptr<QApplication> App;
};

const auto* const Registered = ::testing::AddGlobalTestEnvironment(new TQtAppEnvironment);

} // namespace
