// Process-wide generator of random 8-symbol names from a 64-symbol alphabet,
// seeded once from the system's random source. Names are not checked against
// the file system: use FSMktemp when uniqueness on disk matters.
#pragma once

#include <mutex>
#include <random>
#include <string>

class TmpNameGen {
public:
    // Throws the standard library's exception when the random device cannot be
    // opened; the next call tries again.
    static TmpNameGen& getInstance();

    std::string getTmpName();
    std::string getTmpPath(const std::string& prefix);

private:
    TmpNameGen();
    TmpNameGen(const TmpNameGen&);
    TmpNameGen& operator=(const TmpNameGen&) = delete;

    void reseed();

    std::mutex mutex;
    std::default_random_engine engine;
};
