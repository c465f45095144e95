// Stand-in for the per-user client: "service_fake_client obey|ignore".
// Writes 'R' to standard output once its SIGTERM handler is in place and 'T'
// for every SIGTERM; "obey" then dies of the signal, "ignore" carries on.
// It leaves quietly when its standard input reaches its end, so a test can end
// it without signalling anything.
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

bool obey = false;

void OnTerm(int)
{
    (void)!write(STDOUT_FILENO, "T", 1);
    if (obey) {
        signal(SIGTERM, SIG_DFL);  // dies of it once the handler returns
        raise(SIGTERM);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2 || (strcmp(argv[1], "obey") != 0 && strcmp(argv[1], "ignore") != 0)) {
        return 2;
    }
    obey = strcmp(argv[1], "obey") == 0;
    struct sigaction action {};
    action.sa_handler = OnTerm;
    if (sigaction(SIGTERM, &action, nullptr) != 0 || write(STDOUT_FILENO, "R", 1) != 1) {
        return 3;
    }
    char byte;
    ssize_t got;
    while ((got = read(STDIN_FILENO, &byte, 1)) > 0 || (got < 0 && errno == EINTR)) {
    }
    return got == 0 ? 0 : 4;
}
