// Fresh names inside a folder: a created unique file, or a random path only.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "file-op.h"
#include "log.h"
#include "tmp_name_gen.h"

namespace {

// PATH_MAX: a longer template is cut and then refused by mkstemp.
constexpr size_t kTemplateBufferSize = 4096;

}  // namespace

int FSMktemp(const std::string& prefix, std::string& path)
{
    char buffer[kTemplateBufferSize];
    snprintf(buffer, sizeof buffer, "%s/XXXXXX", prefix.c_str());
    const int fd = mkstemp(buffer);
    if (fd < 0) {
        LOG_MSG(L_ERR, file_op_debug, "mkstemp(%s): %m(%d)\n", buffer, errno);
        return -1;
    }
    close(fd);
    path = buffer;
    // mkstemp makes 0600; others may read it. A failure here leaves a usable
    // private file, so the result is not checked.
    (void)chmod(buffer, 0644);
    return 0;
}

int FSCreateTempPath(const std::string& prefix, std::string& path)
{
    path = TmpNameGen::getInstance().getTmpPath(prefix);
    return path.empty() ? -1 : 0;
}
