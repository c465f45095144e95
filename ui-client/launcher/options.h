// The launcher's few command-line options. They are read before anything
// else runs, so that asking for help or the version never writes a log,
// stops the client or touches the home folder.
#pragma once

// Prints the usage (--help, -h) or the version (--version) on standard
// output, or the usage on standard error for anything else given on the
// command line. True when there were no arguments and the launch goes on.
bool ShouldLaunch(int argc, char** argv);
