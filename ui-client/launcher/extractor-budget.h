// The limits of one Extract (both passes), Count or List, and what was used
// of them. Each check logs the ERROR the first time a limit is exceeded and
// fails from then on, whichever limit it checks.
#pragma once

#include <chrono>
#include <cstdint>

#include "extractor.h"

namespace extractor_detail {

class Budget {
public:
    // archive_bytes and free_bytes fix the limit of bytes written: the
    // limits' multiple of the archive, at least their floor, at most what is
    // free.
    Budget(const Extractor::Limits& limits, std::uint64_t archive_bytes, std::uint64_t free_bytes);

    bool Exceeded() const { return exceeded_; }
    long long MaxDurationMs() const { return static_cast<long long>(max_duration_.count()); }

    // false once the time is up.
    bool InTime();
    // entries: all the entries of this pass so far.
    bool EntriesAllowed(std::uint64_t entries);
    // bytes: all the file data of this pass so far.
    bool BytesAllowed(std::uint64_t bytes);

private:
    // within, or false for good once any limit was passed; logs the first.
    bool Within(bool within, const char* limitText, unsigned long long limit);

    std::chrono::steady_clock::time_point deadline_;
    std::chrono::milliseconds max_duration_;
    std::uint64_t max_entries_;
    std::uint64_t max_bytes_;
    bool exceeded_ = false;
};

}  // namespace extractor_detail
