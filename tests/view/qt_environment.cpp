// The QApplication of the view tests: made before the first test and destroyed after the last,
// while the rest of the program still exists (a static one would die after Qt's own statics).
#include <gtest/gtest.h>

#include <QApplication>

#include <memory>

namespace {

class QtEnvironment final : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        application_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { application_.reset(); }

private:
    int argc_ = 1;
    char name_[16] = "ruvo_view_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> application_;
};

const ::testing::Environment* const Registered =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
