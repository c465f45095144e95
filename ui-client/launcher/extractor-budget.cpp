#include "extractor-budget.h"

#include <algorithm>
#include <cstdint>

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
    if (exceeded_) {
        return false;
    }
    if (std::chrono::steady_clock::now() > deadline_) {
        exceeded_ = true;
        LOG_MSG(L_ERR, extractor_debug, "Extraction abandoned: not done within %lld ms\n", MaxDurationMs());
        return false;
    }
    return true;
}

bool Budget::EntriesAllowed(std::uint64_t entries)
{
    if (exceeded_) {
        return false;
    }
    if (entries > max_entries_) {
        exceeded_ = true;
        LOG_MSG(L_ERR, extractor_debug, "Extraction abandoned: more than %llu entries\n",
                static_cast<unsigned long long>(max_entries_));
        return false;
    }
    return true;
}

bool Budget::BytesAllowed(std::uint64_t bytes)
{
    if (exceeded_) {
        return false;
    }
    if (bytes > max_bytes_) {
        exceeded_ = true;
        LOG_MSG(L_ERR, extractor_debug, "Extraction abandoned: more than %llu bytes to write\n",
                static_cast<unsigned long long>(max_bytes_));
        return false;
    }
    return true;
}

}  // namespace extractor_detail
