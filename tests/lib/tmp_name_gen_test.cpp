#include <numeric>
#include <set>
#include <thread>

#include <gtest/gtest.h>

#include "tmp_name_gen.h"

// Names drawn at once from several threads: all distinct, eight symbols each,
// the whole alphabet in use, '-' and '_' included.
TEST(TmpNameGen, ThreadsDrawDistinctNamesFromTheWholeAlphabet)
{
    const std::string alphabet = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_";
    std::vector<std::string> drawn[4];
    std::vector<std::thread> threads;
    for (std::vector<std::string>& names : drawn) {
        threads.emplace_back([&names] {
            for (int i = 0; i < 5000; ++i) {
                names.push_back(TmpNameGen::getInstance().getTmpName());
            }
        });
    }
    std::set<std::string> names;
    std::string symbols;
    for (int t = 0; t < 4; ++t) {
        threads[t].join();
        names.insert(drawn[t].begin(), drawn[t].end());
        symbols += std::accumulate(drawn[t].begin(), drawn[t].end(), std::string());
    }
    EXPECT_EQ(names.size(), 20000u);
    EXPECT_EQ(symbols.size(), 20000u * 8);
    EXPECT_EQ(std::set<char>(symbols.begin(), symbols.end()), std::set<char>(alphabet.begin(), alphabet.end()));
    EXPECT_EQ(TmpNameGen::getInstance().getTmpPath("dir").substr(0, 4), "dir/");
}
