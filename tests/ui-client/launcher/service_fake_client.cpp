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
    const char mark = 'T';
    (void)!write(STDOUT_FILENO, &mark, 1);
    if (obey) {
        // Dies of SIGTERM once the handler returns and the signal unblocks.
        signal(SIGTERM, SIG_DFL);
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
    sigemptyset(&action.sa_mask);
    if (sigaction(SIGTERM, &action, nullptr) != 0) {
        return 3;
    }
    const char ready = 'R';
    if (write(STDOUT_FILENO, &ready, 1) != 1) {
        return 4;
    }
    for (;;) {
        char byte;
        const ssize_t got = read(STDIN_FILENO, &byte, 1);
        if (got == 0) {
            return 0;
        }
        if (got < 0 && errno != EINTR) {
            return 5;
        }
    }
}
