#include <set>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "tmp_name_gen.h"

static const std::string kAlphabet = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_";

TEST(TmpNameGen, ThreadsDrawDistinctNamesFromTheWholeAlphabetAndPathsJoinThePrefix)
{
    constexpr int kThreads = 4, kNamesPerThread = 5000;
    std::vector<std::vector<std::string>> drawn(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&drawn, t] {
            for (int i = 0; i < kNamesPerThread; ++i) {
                drawn[t].push_back(TmpNameGen::getInstance().getTmpName());
            }
        });
    }
    std::set<std::string> names;
    std::set<char> symbols;
    for (int t = 0; t < kThreads; ++t) {
        threads[t].join();
        for (const std::string& name : drawn[t]) {
            EXPECT_TRUE(name.size() == 8 && name.find_first_not_of(kAlphabet) == std::string::npos) << name;
            names.insert(name);
            symbols.insert(name.begin(), name.end());
        }
    }
    EXPECT_EQ(names.size(), static_cast<size_t>(kThreads * kNamesPerThread));
    EXPECT_EQ(symbols.size(), kAlphabet.size()) << "'-' and '_' included";

    // A path is the prefix, '/' and a name.
    const std::string path = TmpNameGen::getInstance().getTmpPath("/tmp");
    ASSERT_EQ(path.size(), 13u);
    EXPECT_EQ(path.substr(0, 5), "/tmp/");
    EXPECT_EQ(path.find_first_not_of(kAlphabet, 5), std::string::npos);
    EXPECT_EQ(TmpNameGen::getInstance().getTmpPath("dir/").substr(0, 5), "dir//");
}
