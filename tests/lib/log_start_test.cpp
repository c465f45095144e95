// The logger before any initialisation. This program never calls
// Logger::Initialize, so every test sees the start state.

#include "log.h"

#include "log_test_support.h"

namespace {

TEST(LogStartState, WarningAndWorseGoToStandardErrorWithStamp)
{
    const ChildResult child = RunInChild([] {
        LOG_MSG(L_ERR, service_debug, "error %d\n", 1);
        LOG_MSG(L_WARNING, extractor_debug, "warning %d\n", 2);
        LOG_MSG(L_NOTICE, service_debug, "notice %d\n", 3);
        LOG_MSG(L_INFO, launcher_debug, "info %d\n", 4);
        LOG_MSG(L_DEBUG, file_op_debug, "debug %d\n", 5);
        return 0;
    });
    ASSERT_EQ(0, child.exit_status);

    const std::string stamp_and_prefix = std::string(kStampPattern) + kPrefixPattern;
    const Pattern expected(stamp_and_prefix + R"(\[ERROR\] log_start_test\.cpp\([0-9]+\): error 1)" + "\n" +
                           stamp_and_prefix + R"(\[WARNING\] log_start_test\.cpp\([0-9]+\): warning 2)" + "\n");
    EXPECT_TRUE(expected.Match(child.stderr_text)) << child.stderr_text;
}

TEST(LogStartState, LevelTestUsesTheWarningFallback)
{
    EXPECT_TRUE(Logger::IsNeedToLog(Logger::L_WARNING, "any_component"));
    EXPECT_FALSE(Logger::IsNeedToLog(Logger::L_NOTICE, "any_component"));
}

} // namespace
