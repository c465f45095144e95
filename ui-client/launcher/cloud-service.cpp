#include "cloud-service.h"

#include <QDir>
#include <QProcessEnvironment>
#include <QSettings>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>

#include "extractor.h"
#include "file-op.h"
#include "log.h"
#include "service-paths.h"

namespace {

// Moves of the old copy aside: "_tmp", then "_tmp1" to "_tmp9".
constexpr int MAX_RENAME_COUNT = 10;

std::string Utf8(const QString& text)
{
    return text.toUtf8().toStdString();
}

// The UOS desktop calls itself "Deepin"; only that exact value counts.
bool IsUOSDesktop()
{
    const QString desktop = QProcessEnvironment::systemEnvironment().value(
        QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("ubuntu:GNOME"));
    LOG_MSG(L_DEBUG, service_debug, "Current Desktop is %s\n", desktop.toUtf8().constData());
    return desktop == QLatin1String("Deepin");
}

std::string GetAppBackupDir(const std::string& app_dir, int tries)
{
    const std::string backup_dir = app_dir + "_tmp";
    if (tries == 0) {
        return backup_dir;
    }
    char suffix[8];
    if (snprintf(suffix, sizeof(suffix), "%d", tries) < 0) {
        LOG_MSG(L_ERR, service_debug, "snprintf failed (continuing without postfix)\n");
        suffix[0] = '\0';
    }
    return backup_dir + suffix;
}

// 64 KiB: an INFO file holds a few short lines.
constexpr off_t MAX_VERSION_FILE_SIZE = 64 * 1024;

// The INFO file opened by us, for QSettings to read through /proc/self/fd:
// opened without blocking and accepted only as a small plain file, because
// QSettings would wait for ever on a FIFO or device at the name; and reached
// by its bytes, which QSettings' own path encoding may rewrite. -1 when it
// cannot be opened (it then reads as empty) or is refused.
int OpenVersionFile(const std::string& path, bool& refused)
{
    refused = false;
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    struct stat st {};
    refused = fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > MAX_VERSION_FILE_SIZE;
    // QSettings keeps parsed files by name and takes an equal size and time
    // as "unchanged", so each read needs a descriptor number not used before.
    static std::atomic<int> next_number{100};
    const int numbered = refused ? -1 : fcntl(fd, F_DUPFD_CLOEXEC, next_number.load());
    if (numbered >= 0) {
        next_number = numbered + 1;
    }
    close(fd);
    return numbered;
}

// Fields whose key is missing from the "Version" group keep their value.
void ReadVersionGroup(const std::string& path, Service::VersionInfo& version)
{
    bool refused = false;
    const int fd = OpenVersionFile(path, refused);
    if (refused) {
        LOG_MSG(L_WARNING, service_debug, "version file '%s' is no small plain file, ignored\n", path.c_str());
        return;
    }
    if (fd < 0) {
        return;
    }
    {
        QSettings settings(QStringLiteral("/proc/self/fd/%1").arg(fd), QSettings::IniFormat);
        settings.beginGroup(QStringLiteral("Version"));
        const auto take = [&settings](const char* key, std::string& field) {
            const QString name = QString::fromLatin1(key);
            if (settings.contains(name)) {
                field = Utf8(settings.value(name).toString());
            }
        };
        take("major_version", version.major_version);
        take("minor_version", version.minor_version);
        take("build_version", version.build_version);
        take("icon_overlay_version", version.icon_overlay_version);
    }
    close(fd);
}

// Moves the old copy to the first free backup name. False after the last
// attempt failed; backup_dir and rename_count then name that attempt.
bool MoveOldCopyAside(const std::string& app_dir, std::string& backup_dir, int& rename_count)
{
    for (;;) {
        backup_dir = GetAppBackupDir(app_dir, rename_count);
        if (FSRename(app_dir, backup_dir, false) == 0) {
            return true;
        }
        LOG_MSG(L_ERR, service_debug, "failed to backup app from '%s' -> '%s'\n", app_dir.c_str(),
                backup_dir.c_str());
        if (rename_count + 1 >= MAX_RENAME_COUNT) {
            return false;
        }
        ++rename_count;
    }
}

// Owns a listing so that it is closed on every way out of the copy.
struct DirListing {
    DirListing() = default;
    DirListing(const DirListing&) = delete;
    DirListing& operator=(const DirListing&) = delete;
    ~DirListing() { FSCloseDir(handle); }

    DIR_HANDLE handle;
};

}  // namespace

Service::~Service() = default;

void Service::SetTimeout(int timeout)
{
    this->timeout = timeout;
}

// Both values are kernel paths taken as bytes: Qt's own decoding rewrites
// bytes that are not UTF-8, and the copy would land in a sibling folder.
QString Service::GetUserInstallPath()
{
    const QByteArray home = qgetenv("HOME");
    const QString home_path = home.isEmpty() ? QDir::homePath() : nativePathString(home);
    if (!IsUOSDesktop()) {
        return home_path;
    }
    const QByteArray data_home = qgetenv("XDG_DATA_HOME");
    LOG_MSG(L_DEBUG, service_debug, "user install path is %s\n", data_home.constData());
    if (data_home.isEmpty()) {
        return home_path;
    }
    return nativePathString(data_home);
}

void Service::LoadSourceVersion()
{
    const std::string path = ServicePath("user_tarnwell_resource_path") + "/INFO";
    if (!IsFileExist(path, false)) {
        LOG_MSG(L_INFO, service_debug, "source does not exist\n");
        return;
    }
    ReadVersionGroup(path, source_version);
    LOG_MSG(L_INFO, service_debug, "source_version = (%s, %s, %s, %s)\n", source_version.major_version.c_str(),
            source_version.minor_version.c_str(), source_version.build_version.c_str(),
            source_version.icon_overlay_version.c_str());
}

// A missing system INFO reads as an empty group: the target build then counts
// as 0, so no deployment is forced by it.
void Service::LoadTargetVersion()
{
    ReadVersionGroup(ServicePath("root_resource_path") + "/INFO", target_version);
    LOG_MSG(L_INFO, service_debug, "target_version = (%s, %s, %s, %s)\n", target_version.major_version.c_str(),
            target_version.minor_version.c_str(), target_version.build_version.c_str(),
            target_version.icon_overlay_version.c_str());
}

int Service::PrepareUserEnv()
{
    const std::string app_dir = per_user_install_path;
    std::string backup_dir;
    int rename_count = 0;

    if (IsFileExist(app_dir, false) && !MoveOldCopyAside(app_dir, backup_dir, rename_count)) {
        LOG_MSG(L_ERR, service_debug, "failed to backup app from '%s' -> '%s' at max retries, exiting\n",
                app_dir.c_str(), backup_dir.c_str());
        LOG_MSG(L_ERR, service_debug,
                "Please check if '%s' is writable. It may be locked by another process (e.g., CLI's working "
                "directory is set to the target).\n",
                app_dir.c_str());
        return -1;
    }

    if (CopyPackage() != 0) {
        if (backup_dir.empty()) {
            LOG_MSG(L_ERR, service_debug, "Failed to extract package, and no old installation to rollback\n");
            return -1;
        }
        LOG_MSG(L_ERR, service_debug, "Failed to extract package, rollback to old installation\n");
        // Best effort: nothing better can be done here if either step fails.
        FSRemove(app_dir, false);
        FSRename(backup_dir, app_dir, false);
        return -1;
    }

    LOG_MSG(L_INFO, service_debug, "user installation is ready, removing backup app\n");
    // Also clears the stale backups that blocked earlier attempts; a backup
    // that is already gone is no failure.
    for (int i = 0; i <= rename_count; ++i) {
        FSRemove(GetAppBackupDir(app_dir, i), false);
    }
    return 0;
}

int Service::CopyPackage()
{
    const std::string src = ServicePath("root_resource_path") + "/package/hollowmere";
    const std::string dst = ServicePath("user_tarnwell_app_path");
    LOG_MSG(L_INFO, service_debug, "copy package:'%s' -> '%s' \n", src.c_str(), dst.c_str());
    return FSCopyPath(src, dst);
}

int Service::FSCopyPath(const std::string& src, const std::string& dest)
{
    LOG_MSG(L_DEBUG, service_debug, "copy from '%s' to '%s'\n", src.c_str(), dest.c_str());

    FILE_INFO info;
    if (FSStat(src, info, false) < 0) {
        LOG_MSG(L_ERR, service_debug, "FSCopyPath: failed to stat source '%s'\n", src.c_str());
        return -1;
    }
    if (!info.isExist) {
        LOG_MSG(L_ERR, service_debug, "FSCopyPath: source path '%s' does not exist\n", src.c_str());
        return -1;
    }
    if (info.type != FT_DIR) {
        return FSCopy(src, dest, false, false) == 0 ? 0 : -1;
    }
    if (FSMKDir(dest, true) < 0) {
        LOG_MSG(L_ERR, service_debug, "FSCopyPath: failed to create dest folder '%s'\n", dest.c_str());
        return -1;
    }

    DirListing listing;
    if (FSOpenDir(src, 0, listing.handle) < 0) {
        // An unlistable folder counts as copied; the empty dest folder stays.
        LOG_MSG(L_WARNING, service_debug, "FSCopyPath: failed to create handle  for src '%s' failed\n", src.c_str());
        return 0;
    }
    DIR_ENTRY entry;
    // A read error ends the listing like its end does.
    while (FSReadDir(listing.handle, entry) >= 1) {
        if (entry.name == "." || entry.name == "..") {
            continue;
        }
        const std::string child_src = src + "/" + entry.name;
        const std::string child_dest = dest + "/" + entry.name;
        // Links take the file branch, so a link to a folder is never descended.
        const int copied =
            entry.type == FT_DIR ? FSCopyPath(child_src, child_dest) : FSCopy(child_src, child_dest, false, true);
        if (copied < 0) {
            LOG_MSG(L_ERR, service_debug, "FSCopyPath: failed to copy from '%s' to '%s'\n", child_src.c_str(),
                    child_dest.c_str());
            return -1;
        }
    }
    return 0;
}

int Service::ExtractPackage()
{
    const std::string src = ServicePath("root_resource_path") + "/package/hollowmere.kpg";
    const std::string dst = ServicePath("user_tarnwell_app_path");
    if (FSMKDir(dst, true) < 0) {
        LOG_MSG(L_ERR, service_debug, "failed to create folder: '%s'\n", dst.c_str());
        return -1;
    }
    LOG_MSG(L_INFO, service_debug, "extract package: '%s' -> '%s'\n", src.c_str(), dst.c_str());
    Extractor extractor;
    extractor.SetSource(src);
    extractor.SetTarget(dst);
    return extractor.Extract();
}

void Service::RemoveAgedFolders()
{
    const std::string legacy_dir = ServicePath("user_hollowmere_path");
    const std::string aged_app_dir = legacy_dir + "/app";
    LOG_MSG(L_INFO, service_debug, "removing aged app folder %s\n", aged_app_dir.c_str());
    // Reached from the base folder without following links: a legacy folder
    // that is a link leads out of the home, and what it points at is not ours.
    // A folder that is missing or cannot be removed is not worth reporting.
    FSRemoveBelow(FSParentPath(legacy_dir), aged_app_dir);
}

void Service::MigrateService()
{
    UIPathManager* paths = UIPathManager::getInstance();
    const QString hollowmere_app_path =
        QDir::toNativeSeparators(paths->getPath(QStringLiteral("user_hollowmere_path")));
    const QString app_path = QDir::toNativeSeparators(paths->getPath(QStringLiteral("user_tarnwell_path")));

    if (!IsFileExist(PathBytes(app_path), true) && FSMKDir(PathBytes(app_path), true) < 0) {
        LOG_MSG(L_ERR, service_debug, "Failed to create Tarnwell folder\n");
        return;
    }

    const std::string old_data = PathBytes(QDir::toNativeSeparators(hollowmere_app_path + QStringLiteral("/data")));
    const std::string new_data = PathBytes(QDir::toNativeSeparators(app_path + QStringLiteral("/data")));
    if (IsFileExist(old_data, true) && FSRename(old_data, new_data, true) < 0) {
        LOG_MSG(L_ERR, service_debug, "Failed to move data to Tarnwell folder\n");
        // The legacy folder still holds the user's only copy of the data.
        return;
    }

    const std::string legacy_dir = PathBytes(hollowmere_app_path);
    if (IsFileExist(legacy_dir, true) && FSRemove(legacy_dir, false) < 0) {
        LOG_MSG(L_ERR, service_debug, "Failed to remove old .Hollowmere folder\n");
    }
}
