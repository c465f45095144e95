#include "options.h"

#include <cstdio>
#include <cstring>

namespace {

const char kUsage[] =
    "Usage: %s [--help | --version]\n"
    "\n"
    "Keeps your private copy of the Tarnwell client in ~/.Tarnwell/Tarnwell.app\n"
    "current with the installed package and starts it. When the package is newer,\n"
    "the running client is stopped and the copy replaced, with a backup that is\n"
    "put back if the update fails.\n"
    "\n"
    "  -h, --help     show this help and exit\n"
    "  --version      show the version and build number and exit\n"
    "\n"
    "The log is written to ~/.Tarnwell/log/launcher.log. Debug records are added\n"
    "when the file log/launcher.debug exists in the installed package's folder\n"
    "(the folder above the one holding this program).\n";

void PrintUsage(FILE* stream, const char* program)
{
    std::fprintf(stream, kUsage, program);
}

}  // namespace

bool ShouldLaunch(int argc, char** argv)
{
    const char* program = argc > 0 ? argv[0] : "tarnwell-launcher";
    if (argc <= 1) {
        return true;
    }
    const char* option = argv[1];
    if (argc == 2 && (std::strcmp(option, "--help") == 0 || std::strcmp(option, "-h") == 0)) {
        PrintUsage(stdout, program);
    } else if (argc == 2 && std::strcmp(option, "--version") == 0) {
        std::printf("tarnwell-launcher %s (build %s)\n", LAUNCHER_VERSION, LAUNCHER_BUILD_NUMBER);
    } else {
        // Exit status 0 all the same: callers of the launcher rely on it.
        PrintUsage(stderr, program);
    }
    return false;
}
