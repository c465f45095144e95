// The installation service that keeps the user's private copy of the client
// current: versions of the private copy (source) and of the system package
// (target), deployment with backup and rollback, legacy clean-up. The order of
// the virtual operations is fixed; LinuxService is the only implementation.
#pragma once

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

class Service {
public:
    // Why the last deployment failed, so the user can be told in words.
    enum class FailureReason { None, OutOfSpace, Permission, PackageUnreadable, Other };
    struct Failure {
        FailureReason reason = FailureReason::None;
        std::string folder;                   // the folder that lacked space or access
        unsigned long long needed_bytes = 0;  // OutOfSpace only
        unsigned long long free_bytes = 0;    // OutOfSpace only
    };

    struct VersionInfo {
        std::string major_version;
        std::string minor_version;
        std::string build_version;  // the only field the upgrade decision reads
        std::string icon_overlay_version;
    };

    virtual ~Service();
    virtual void StopService() = 0;
    virtual void SetTimeout(int timeout);
    // 0 = success.
    virtual int HandlePackageUpgrade() = 0;
    virtual void PostUpgrade() = 0;
    virtual void PreUpgrade() = 0;
    virtual bool IsNeedUpgrade() = 0;
    virtual bool PerUserBinPathExist() = 0;
    // Set when HandlePackageUpgrade fails; reason None otherwise.
    const Failure& LastFailure() const { return last_failure; }

protected:
    // 0 = success; -1 when the target folder cannot be created, else the
    // extractor's result.
    virtual int ExtractPackage();
    // The result of FSCopyPath. Copies into the staging folder beside the
    // private copy, never into the copy itself.
    virtual int CopyPackage();
    virtual void LoadSourceVersion();
    virtual void LoadTargetVersion();
    // 0 = success, -1 = failure (the old copy is back in place when there was one).
    virtual int PrepareUserEnv();
    virtual void MigrateService();

public:
    void RemoveAgedFolders();
    // Removes what an interrupted deployment may have left: the staging
    // folder and every backup name. Only for when the private copy is whole
    // and this launcher holds the single-instance guard.
    void RemoveDeploymentLeftovers();
    // The folder under which the per-user folders live: the home folder, or
    // XDG_DATA_HOME on the Deepin desktop when it is set and not empty.
    static QString GetUserInstallPath();

protected:
    // 0 = success, -1 = failure.
    int FSCopyPath(const std::string& src, const std::string& dest);
    // 0 when the package fits on the private copy's file system beside the
    // current copy; -1 (ERROR logged, last_failure set) when it does not or
    // cannot be sized. Touches nothing.
    int CheckSpaceForPackage();
    int timeout = 0;
    std::string per_user_install_path;
    VersionInfo target_version;
    VersionInfo source_version;
    Failure last_failure;

private:
    void ReportCopiedBytes(uint64_t bytes);
    int CopyOneFile(const std::string& src, const std::string& dest, int flags, unsigned int mode);
    void NoteFailure(FailureReason reason, const std::string& folder);

    // Progress of the copy, in bytes of file data; sent as per-mille so the
    // relay's ints never overflow.
    uint64_t copy_total_bytes = 0;
    uint64_t copy_done_bytes = 0;
    int copy_permille_sent = -1;
    // ERROR records of a failing copy, held until the staging folder is gone:
    // on a full disk they could not be written before.
    std::vector<std::string> pending_errors;
};
