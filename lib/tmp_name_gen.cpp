#include "tmp_name_gen.h"

namespace {

constexpr char kAlphabet[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_";
constexpr int kLastSymbol = sizeof kAlphabet - 2;
// 64^8 = 2^48 names.
constexpr int kNameLength = 8;

}  // namespace

TmpNameGen& TmpNameGen::getInstance()
{
    static TmpNameGen instance;
    return instance;
}

TmpNameGen::TmpNameGen()
{
    reseed();
}

// Once per process: the engine's own sequence is the source of names after that.
void TmpNameGen::reseed()
{
    std::lock_guard<std::mutex> lock(mutex);
    std::random_device device;
    engine.seed(device());
}

std::string TmpNameGen::getTmpName()
{
    static std::uniform_int_distribution<int> symbolIndex(0, kLastSymbol);
    std::string name;
    name.reserve(kNameLength);
    std::lock_guard<std::mutex> lock(mutex);
    for (int i = 0; i < kNameLength; ++i) {
        name += kAlphabet[symbolIndex(engine)];
    }
    return name;
}

std::string TmpNameGen::getTmpPath(const std::string& prefix)
{
    return prefix + "/" + getTmpName();
}
