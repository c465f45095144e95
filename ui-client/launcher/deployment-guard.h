// Whether this launcher may change the user's copy: only while it holds the
// single-instance guard of the user's product folder, so that two launchers
// (two sessions of one user, or two machines on one home) never deploy at
// once. The entry sets it before the worker starts; the worker reads it. It
// is false until set: a launcher that never took the guard does not deploy.
#pragma once

void SetDeploymentAllowed(bool allowed);
bool IsDeploymentAllowed();
