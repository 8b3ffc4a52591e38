#pragma once
// amortix-cli's command line, parsed and run: what the program does between
// its arguments and its exit status, so that tests and the option parser's
// fuzz target can run it on any argument vector.

namespace amortix::cli {

// Parses the arguments and runs the command; the exit status (0 done, 1 a
// report with nothing to print or a file that cannot be read, 2 bad options,
// which print one line on standard error and nothing on standard output).
// Prints on std::cout and std::cerr. A fault the commands did not foresee
// leaves as an exception, for the caller to report.
int RunCommandLine(int argc, char** argv);

}  // namespace amortix::cli
