#include "extractor-budget.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "log.h"

namespace extractor_detail {

namespace {

std::uint64_t SaturatingProduct(std::uint64_t left, std::uint64_t right)
{
    return right != 0 && left > UINT64_MAX / right ? UINT64_MAX : left * right;
}

}  // namespace

Budget::Budget(const Extractor::Limits& limits, std::uint64_t archive_bytes, std::uint64_t free_bytes)
    : deadline_(std::chrono::steady_clock::now() + limits.max_duration),
      max_duration_(limits.max_duration),
      max_entries_(limits.max_entries),
      max_bytes_(std::min(std::max(SaturatingProduct(archive_bytes, limits.bytes_per_archive_byte), limits.min_bytes),
                          free_bytes))
{
}

bool Budget::InTime()
{
    return Within(std::chrono::steady_clock::now() <= deadline_, "not done within %llu ms",
                  static_cast<unsigned long long>(MaxDurationMs()));
}

bool Budget::EntriesAllowed(std::uint64_t entries)
{
    return Within(entries <= max_entries_, "more than %llu entries", max_entries_);
}

bool Budget::BytesAllowed(std::uint64_t bytes)
{
    return Within(bytes <= max_bytes_, "more than %llu bytes to write", max_bytes_);
}

bool Budget::Within(bool within, const char* limitText, unsigned long long limit)
{
    if (exceeded_) {
        return false;
    }
    if (!within) {
        exceeded_ = true;
        char reason[96];
        snprintf(reason, sizeof reason, limitText, limit);
        LOG_MSG(L_ERR, extractor_debug, "Extraction abandoned: %s\n", reason);
    }
    return within;
}

}  // namespace extractor_detail
