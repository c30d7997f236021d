// One QApplication for the whole test program, made before the first test and gone after the last.

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace
{
class QtApplicationEnvironment : public testing::Environment
{
public:
    void SetUp() override { m_app = std::make_unique<QApplication>(m_argc, m_argv); }
    void TearDown() override { m_app.reset(); }

private:
    int m_argc = 1;
    char m_name[16] = "forms_tests";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QApplication> m_app;
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);
} // namespace
