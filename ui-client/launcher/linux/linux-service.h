// The Linux installation service: decides whether the private copy must be
// deployed again, stops the running per-user client through its pid file,
// and starts the client through its start script.
#pragma once

#include "cloud-service.h"

class LinuxService : public Service {
public:
    LinuxService();
    ~LinuxService() override;

    void StopService() override;
    // 0 = success; -1 = failure: the package does not fit or cannot be read
    // (checked before the client is stopped), or PrepareUserEnv failed.
    int HandlePackageUpgrade() override;
    void PostUpgrade() override;
    void PreUpgrade() override;
    bool IsNeedUpgrade() override;
    bool PerUserBinPathExist() override;

private:
    // Always 0: the script's status is not examined.
    int LaunchPerUserBin();
    void LoadTargetVerInfo();
    void LoadSourceVerInfo();
};
