// The logger before any initialisation: this program never calls Logger::Initialize.

#include "test_support.h"

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
    ASSERT_EQ(0, child.status);
    const std::string head = std::string(kStampPattern) + kPrefixPattern;
    EXPECT_TRUE(Pattern(head + R"(\[ERROR\] log_start_test\.cpp\([0-9]+\): error 1)" "\n" + head +
                        R"(\[WARNING\] log_start_test\.cpp\([0-9]+\): warning 2)" "\n")
                    .Match(child.stderr_text)) << child.stderr_text;
}
