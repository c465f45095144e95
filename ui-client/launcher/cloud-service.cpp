#include "cloud-service.h"

#include <QDir>
#include <QProcessEnvironment>
#include <QSettings>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "adapter.h"
#include "errno-guard.h"
#include "extractor.h"
#include "file-deploy.h"
#include "file-op.h"
#include "log.h"
#include "scoped-handles.h"
#include "service-paths.h"
#include "strtab.h"

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
// by its bytes, which QSettings' own path encoding may rewrite. Holds nothing
// when it cannot be opened (it then reads as empty) or is refused.
ScopedFd OpenVersionFile(const std::string& path, bool& refused)
{
    refused = false;
    const ScopedFd file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.valid()) {
        return ScopedFd();
    }
    struct stat st {};
    refused = fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > MAX_VERSION_FILE_SIZE;
    if (refused) {
        return ScopedFd();
    }
    // QSettings keeps parsed files by name and takes an equal size and time
    // as "unchanged", so each read needs a descriptor number not used before.
    static std::atomic<int> next_number{100};
    ScopedFd numbered(fcntl(file.get(), F_DUPFD_CLOEXEC, next_number.load()));
    if (numbered.valid()) {
        next_number = numbered.get() + 1;
    }
    return numbered;
}

// Fields whose key is missing from the "Version" group keep their value.
void ReadVersionGroup(const std::string& path, Service::VersionInfo& version)
{
    bool refused = false;
    const ScopedFd file = OpenVersionFile(path, refused);
    if (refused) {
        LOG_MSG(L_WARNING, service_debug, "version file '%s' is no small plain file, ignored\n", path.c_str());
        return;
    }
    if (!file.valid()) {
        return;
    }
    // The settings go before the descriptor they read through is closed.
    {
        QSettings settings(QStringLiteral("/proc/self/fd/%1").arg(file.get()), QSettings::IniFormat);
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
}

// Moves the old copy to the first free backup name. False after the last
// attempt failed; backup_dir and rename_count then name that attempt, and
// errno holds its failure.
bool MoveOldCopyAside(const std::string& app_dir, std::string& backup_dir, int& rename_count)
{
    for (;;) {
        backup_dir = GetAppBackupDir(app_dir, rename_count);
        if (FSRename(app_dir, backup_dir, false) == 0) {
            return true;
        }
        const ErrnoGuard renameError;
        LOG_MSG(L_ERR, service_debug, "failed to backup app from '%s' -> '%s'\n", app_dir.c_str(),
                backup_dir.c_str());
        if (rename_count + 1 >= MAX_RENAME_COUNT) {
            return false;
        }
        ++rename_count;
    }
}

// Where the new copy is assembled: beside the private copy, so on its file
// system, and under a name no backup takes.
std::string StagingDir(const std::string& app_dir)
{
    return app_dir + ".deploying";
}

// A backup or staging folder the client left read-only inside still has to
// go, or its name stays taken: opened up and removed again when plain
// removal fails.
int RemoveStaleTree(const std::string& path)
{
    if (FSRemove(path, false) == 0) {
        return 0;
    }
    FSMakeTreeWritable(path);
    return FSRemove(path, false);
}

// Written to disk before it replaces the old copy, so that a power cut after
// the rename cannot leave a copy of empty files. One syncfs is far cheaper
// than an fsync per file.
int SyncFileSystemOf(const std::string& path)
{
    const ScopedFd folder(open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!folder.valid()) {
        return -1;
    }
    return syncfs(folder.get());
}

Service::FailureReason ReasonOfDestinationError(int error)
{
    if (error == ENOSPC || error == EDQUOT) {
        return Service::FailureReason::OutOfSpace;
    }
    if (error == EACCES || error == EPERM || error == EROFS) {
        return Service::FailureReason::Permission;
    }
    return Service::FailureReason::Other;
}

void Note(std::vector<std::string>& lines, const char* format, ...) __attribute__((format(printf, 2, 3)));
void Note(std::vector<std::string>& lines, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    char* text = nullptr;
    const int length = vasprintf(&text, format, args);
    va_end(args);
    if (length >= 0) {
        lines.emplace_back(text, static_cast<size_t>(length));
        free(text);
    }
}

void LogPending(std::vector<std::string>& lines)
{
    for (const std::string& line : lines) {
        LOG_MSG(L_ERR, service_debug, "%s", line.c_str());
    }
    lines.clear();
}

// The progress is sent in thousandths: the relay takes ints, a package can
// hold more bytes than an int counts.
constexpr int PROGRESS_SCALE = 1000;

// Room left beyond the package's own blocks: 2 % for the file system's
// metadata, and 16 MiB so that the log and the client can still write.
constexpr uint64_t SPACE_RESERVE_BYTES = 16u << 20;
constexpr uint64_t SPACE_MARGIN_DIVISOR = 50;

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

// The private copy is at every moment the old complete copy or the new
// complete one: the package is copied into a staging folder and synced, and
// only then the old copy goes aside and the staging folder takes its name.
int Service::PrepareUserEnv()
{
    const std::string app_dir = per_user_install_path;
    const std::string staging_dir = StagingDir(app_dir);
    last_failure = Failure();
    pending_errors.clear();

    // What an interrupted run was copying may be partial: never used, only removed.
    if (RemoveStaleTree(staging_dir) != 0) {
        const int removeErrno = errno;
        LOG_MSG(L_ERR, service_debug, "failed to remove the unfinished copy '%s'\n", staging_dir.c_str());
        NoteFailure(ReasonOfDestinationError(removeErrno), staging_dir);
        return -1;
    }

    if (CopyPackage() != 0) {
        // Space first, then the records: on a full disk they need it.
        RemoveStaleTree(staging_dir);
        LogPending(pending_errors);
        if (!IsFileExist(app_dir, false)) {
            LOG_MSG(L_ERR, service_debug, "Failed to extract package, and no old installation to rollback\n");
            return -1;
        }
        LOG_MSG(L_ERR, service_debug, "Failed to extract package, rollback to old installation\n");
        return -1;
    }
    if (SyncFileSystemOf(staging_dir) != 0) {
        const int syncErrno = errno;
        RemoveStaleTree(staging_dir);
        LOG_MSG(L_ERR, service_debug, "failed to write '%s' to disk: %s\n", staging_dir.c_str(), strerror(syncErrno));
        NoteFailure(ReasonOfDestinationError(syncErrno), staging_dir);
        return -1;
    }

    std::string backup_dir;
    int rename_count = 0;
    if (IsFileExist(app_dir, false) && !MoveOldCopyAside(app_dir, backup_dir, rename_count)) {
        NoteFailure(ReasonOfDestinationError(errno), app_dir);
        RemoveStaleTree(staging_dir);
        LOG_MSG(L_ERR, service_debug, "failed to backup app from '%s' -> '%s' at max retries, exiting\n",
                app_dir.c_str(), backup_dir.c_str());
        LOG_MSG(L_ERR, service_debug,
                "Please check if '%s' is writable. It may be locked by another process (e.g., CLI's working "
                "directory is set to the target).\n",
                app_dir.c_str());
        return -1;
    }

    if (FSRename(staging_dir, app_dir, false) != 0) {
        const int renameErrno = errno;
        LOG_MSG(L_ERR, service_debug, "failed to move '%s' into place: %s\n", staging_dir.c_str(),
                strerror(renameErrno));
        NoteFailure(ReasonOfDestinationError(renameErrno), app_dir);
        RemoveStaleTree(staging_dir);
        if (!backup_dir.empty()) {
            LOG_MSG(L_ERR, service_debug, "Failed to extract package, rollback to old installation\n");
            FSRename(backup_dir, app_dir, false);
        }
        return -1;
    }
    // The rename itself must survive a power cut as well.
    FSFsync(FSParentPath(app_dir));

    LOG_MSG(L_INFO, service_debug, "user installation is ready, removing backup app\n");
    RemoveDeploymentLeftovers();
    return 0;
}

// Every backup name, not only those this run tried, so that stale backups
// cannot use the ten names up one upgrade at a time.
void Service::RemoveDeploymentLeftovers()
{
    const std::string app_dir = per_user_install_path;
    RemoveStaleTree(StagingDir(app_dir));
    for (int i = 0; i < MAX_RENAME_COUNT; ++i) {
        const std::string backup_dir = GetAppBackupDir(app_dir, i);
        if (IsFileExist(backup_dir, false) && RemoveStaleTree(backup_dir) != 0) {
            LOG_MSG(L_WARNING, service_debug, "failed to remove the old backup '%s'\n", backup_dir.c_str());
        }
    }
}

int Service::CheckSpaceForPackage()
{
    const std::string src = ServicePath("root_resource_path") + "/package/hollowmere";
    TREE_SIZE size;
    std::string unreadable;
    if (FSTreeSize(src, size, unreadable) != 0) {
        LOG_MSG(L_ERR, service_debug, "cannot read the package at '%s': %s\n", unreadable.c_str(), strerror(errno));
        NoteFailure(FailureReason::PackageUnreadable, unreadable);
        return -1;
    }
    uint64_t free_bytes = 0;
    std::string folder;
    if (FSFreeBytes(FSParentPath(per_user_install_path), free_bytes, folder) != 0) {
        // Not knowing is no reason to keep the old version: the copy still
        // fails cleanly if the space runs out.
        LOG_MSG(L_WARNING, service_debug, "cannot tell the free space for '%s'\n", per_user_install_path.c_str());
        return 0;
    }
    const uint64_t needed = size.disk_bytes + size.disk_bytes / SPACE_MARGIN_DIVISOR + SPACE_RESERVE_BYTES;
    if (needed <= free_bytes) {
        return 0;
    }
    LOG_MSG(L_ERR, service_debug, "not enough space in '%s' for the new version: %llu bytes needed, %llu bytes free\n",
            folder.c_str(), static_cast<unsigned long long>(needed), static_cast<unsigned long long>(free_bytes));
    NoteFailure(FailureReason::OutOfSpace, folder);
    last_failure.needed_bytes = needed;
    last_failure.free_bytes = free_bytes;
    return -1;
}

int Service::CopyPackage()
{
    const std::string src = ServicePath("root_resource_path") + "/package/hollowmere";
    const std::string dst = ServicePath("user_tarnwell_app_path");
    LOG_MSG(L_INFO, service_debug, "copy package:'%s' -> '%s' \n", src.c_str(), dst.c_str());
    LOG_MSG(L_DEBUG, service_debug, "copying into '%s', which takes the place of '%s' once complete\n",
            StagingDir(dst).c_str(), dst.c_str());

    // The size walk is cheap next to the copy and lets the bar follow the bytes.
    TREE_SIZE size;
    std::string unreadable;
    copy_total_bytes = FSTreeSize(src, size, unreadable) == 0 ? size.data_bytes : 0;
    copy_done_bytes = 0;
    copy_permille_sent = -1;
    Notify_Adapter::GetInstance().UpdateDialogText(StrTable::LoadStr(StrTable::desc_hollowmere_env_upgrading_tarnwell));
    ReportCopiedBytes(0);
    return FSCopyPath(src, StagingDir(dst));
}

void Service::ReportCopiedBytes(uint64_t bytes)
{
    copy_done_bytes += bytes;
    const uint64_t total = copy_total_bytes > 0 ? copy_total_bytes : 1;
    const int permille = static_cast<int>(std::min<uint64_t>(copy_done_bytes, total) * PROGRESS_SCALE / total);
    if (permille != copy_permille_sent) {
        copy_permille_sent = permille;
        Notify_Adapter::GetInstance().UpdateProgress(PROGRESS_SCALE, permille);
    }
}

// The first failure is the cause; the enclosing levels only add their lines.
void Service::NoteFailure(FailureReason reason, const std::string& folder)
{
    if (last_failure.reason != FailureReason::None) {
        return;
    }
    last_failure.reason = reason;
    last_failure.folder = folder;
}

// Each file starts on its way to the disk as soon as it is copied, so the
// sync before the swap waits for what is left rather than for everything.
int Service::CopyOneFile(const std::string& src, const std::string& dest, int flags, unsigned int mode)
{
    COPY_FAILURE failure;
    if (FSCopyFileData(src, dest, flags | CF_START_WRITEBACK, static_cast<mode_t>(mode), failure,
                       [this](uint64_t bytes) { ReportCopiedBytes(bytes); }) == 0) {
        return 0;
    }
    const bool source = failure.side == CS_SOURCE;
    if (strcmp(failure.call, "open") == 0) {
        Note(pending_errors, "CopyFile: open(%s): %s (%d)\n", (source ? src : dest).c_str(), strerror(failure.error),
             failure.error);
    } else {
        Note(pending_errors, "CopyFile: %s: %s (%d)\n", failure.call, strerror(failure.error), failure.error);
    }
    if (source) {
        NoteFailure(FailureReason::PackageUnreadable, src);
    } else {
        NoteFailure(ReasonOfDestinationError(failure.error), FSParentPath(dest));
    }
    return -1;
}

// Holds no listing open while it descends: a folder's entries are read whole
// first, so a deep package cannot run the process out of descriptors. Every
// entry that is not copied fails the copy: a partial copy must never count.
int Service::FSCopyPath(const std::string& src, const std::string& dest)
{
    LOG_MSG(L_DEBUG, service_debug, "copy from '%s' to '%s'\n", src.c_str(), dest.c_str());

    FILE_INFO info;
    if (FSStat(src, info, false) < 0) {
        Note(pending_errors, "FSCopyPath: failed to stat source '%s'\n", src.c_str());
        NoteFailure(FailureReason::PackageUnreadable, src);
        return -1;
    }
    if (!info.isExist) {
        Note(pending_errors, "FSCopyPath: source path '%s' does not exist\n", src.c_str());
        NoteFailure(FailureReason::PackageUnreadable, src);
        return -1;
    }
    if (info.type != FT_DIR) {
        return CopyOneFile(src, dest, CF_FOLLOW_LINK, 0644);
    }
    // Below the top the parent was just made: creating its missing parents
    // would examine every level again, which grows with the cube of the depth.
    const bool parent_exists = IsFileExist(FSParentPath(dest), false);
    if (FSMKDir(dest, !parent_exists) < 0) {
        const int mkdirErrno = errno;
        Note(pending_errors, "FSCopyPath: failed to create dest folder '%s'\n", dest.c_str());
        NoteFailure(ReasonOfDestinationError(mkdirErrno), FSParentPath(dest));
        return -1;
    }

    std::vector<FOLDER_ENTRY> entries;
    if (FSListFolder(src, entries) != 0) {
        Note(pending_errors, "FSCopyPath: failed to list '%s': %s\n", src.c_str(), strerror(errno));
        NoteFailure(FailureReason::PackageUnreadable, src);
        return -1;
    }
    for (const FOLDER_ENTRY& entry : entries) {
        const std::string child_src = src + "/" + entry.name;
        const std::string child_dest = dest + "/" + entry.name;
        int copied = -1;
        switch (entry.type) {
        case FT_DIR:
            copied = FSCopyPath(child_src, child_dest);
            break;
        case FT_FILE:
            copied = CopyOneFile(child_src, child_dest, CF_MODE_OF_SOURCE, 0);
            break;
        case FT_SLINK:
            // Copied as the file it leads to, with the link's own mode; a link
            // to a folder is refused rather than descended.
            copied = CopyOneFile(child_src, child_dest, CF_FOLLOW_LINK, 0777);
            break;
        default:
            Note(pending_errors, "FSCopyPath: '%s' is neither file, folder nor link\n", child_src.c_str());
            NoteFailure(FailureReason::PackageUnreadable, child_src);
            break;
        }
        if (copied < 0) {
            Note(pending_errors, "FSCopyPath: failed to copy from '%s' to '%s'\n", child_src.c_str(),
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
