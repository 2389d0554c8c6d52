// The network tests run Qt's event loop: one QCoreApplication, made before
// the first test and destroyed after the last.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <memory>

namespace kumora {
namespace {

class QtCoreEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (!QCoreApplication::instance()) app_ = std::make_unique<QCoreApplication>(argc_, argv_);
  }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[9] = "test_net";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QCoreApplication> app_;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new QtCoreEnvironment);

}  // namespace
}  // namespace kumora
