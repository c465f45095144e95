// Feeds arbitrary INFO files for the private copy and the system package to
// the Linux service, lets it load both versions and decide, and checks the
// decision: deploy when the program is missing or the target build number,
// read as atoi reads it, is greater than the source's.
#include <fuzzer/FuzzedDataProvider.h>

#include <QString>

#include <unistd.h>

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "linux-service.h"
#include "log.h"
#include "uipathmanager.h"

namespace {

namespace fs = std::filesystem;

fs::path g_base;
unsigned long g_round = 0;

class DecisionService : public LinuxService {
public:
    using Service::source_version;
    using Service::target_version;
};

void Require(bool condition)
{
    if (!condition) {
        abort();
    }
}

void SetPath(const char* key, const fs::path& value)
{
    UIPathManager::getInstance()->setPath(QString::fromLatin1(key), QString::fromStdString(value.string()));
}

void WriteFile(const fs::path& path, const std::string& content)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

// atoi's reading; empty when the digits could overflow, where atoi says nothing.
std::optional<long long> AtoiValue(const std::string& text)
{
    size_t i = 0;
    while (i < text.size() && isspace(static_cast<unsigned char>(text[i]))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    int digits = 0;
    for (; i < text.size() && isdigit(static_cast<unsigned char>(text[i])); ++i, ++digits) {
        if (digits == 9) {
            return std::nullopt;
        }
        value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    g_base = fs::temp_directory_path() / ("upgrade-fuzz-" + std::to_string(getpid()));
    // Every record is formatted, so the version texts pass through the logger
    // too; ci-fuzz closes standard output to keep the run quiet.
    const fs::path levels = g_base.string() + ".debug";
    WriteFile(levels, "service_debug=7\n");
    Require(Logger::Initialize(Logger::STDOUT_LOGGER, "", levels.string(), 50, Logger::NonSafe) == 0);
    fs::remove(levels);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const bool program_exists = input.ConsumeBool();
    const bool source_exists = input.ConsumeBool();
    const std::string source_info = input.ConsumeRandomLengthString(4096);
    const std::string target_info = input.ConsumeRemainingBytesAsString();

    // A fresh folder per round: Qt caches settings files by path.
    const fs::path round = g_base / std::to_string(g_round++);
    const fs::path app = round / "home/.Tarnwell/Tarnwell.app";
    SetPath("user_tarnwell_path", round / "home/.Tarnwell");
    SetPath("user_tarnwell_app_path", app);
    SetPath("user_tarnwell_resource_path", app);
    SetPath("user_tarnwell_ui_path", app / "bin/tarnwell-ui");
    SetPath("root_resource_path", round / "root");
    WriteFile(round / "root/INFO", target_info);
    if (source_exists) {
        WriteFile(app / "INFO", source_info);
    }
    if (program_exists) {
        WriteFile(app / "bin/tarnwell-ui", "");
    }

    DecisionService service;
    service.PreUpgrade();
    const bool need_upgrade = service.IsNeedUpgrade();

    if (!source_exists) {
        Require(service.source_version.build_version.empty() && service.source_version.major_version.empty());
    }
    const std::optional<long long> source = AtoiValue(service.source_version.build_version);
    const std::optional<long long> target = AtoiValue(service.target_version.build_version);
    if (!program_exists) {
        Require(need_upgrade);
    } else if (source && target) {
        Require(need_upgrade == (*target > *source));
    }
    fs::remove_all(g_base);
    return 0;
}
