// The installation service that keeps the user's private copy of the client
// current: versions of the private copy (source) and of the system package
// (target), deployment with backup and rollback, legacy clean-up. The order of
// the virtual operations is fixed; LinuxService is the only implementation.
#pragma once

#include <QString>
#include <string>

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
    // The result of FSCopyPath.
    virtual int CopyPackage();
    virtual void LoadSourceVersion();
    virtual void LoadTargetVersion();
    // 0 = success, -1 = failure (the old copy is back in place when there was one).
    virtual int PrepareUserEnv();
    virtual void MigrateService();

public:
    void RemoveAgedFolders();
    // The folder under which the per-user folders live: the home folder, or
    // XDG_DATA_HOME on the Deepin desktop when it is set and not empty.
    static QString GetUserInstallPath();

protected:
    // 0 = success, -1 = failure.
    int FSCopyPath(const std::string& src, const std::string& dest);

    int timeout = 0;
    std::string per_user_install_path;
    VersionInfo target_version;
    VersionInfo source_version;
    Failure last_failure;
};
