#include "deployment-guard.h"

#include <atomic>

namespace {

std::atomic<bool> deploymentAllowed{false};

}  // namespace

void SetDeploymentAllowed(bool allowed)
{
    deploymentAllowed = allowed;
}

bool IsDeploymentAllowed()
{
    return deploymentAllowed;
}
