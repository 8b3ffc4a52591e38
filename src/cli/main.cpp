// amortix-cli: the calculation engine from the command line.

#include <exception>
#include <iostream>

#include "cli/run.h"

int main(int argc, char** argv) {
    // Nothing may escape to the runtime's terminate: a fault the commands did
    // not foresee still ends with a message and a failure status.
    try {
        return amortix::cli::RunCommandLine(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "amortix-cli: " << e.what() << '\n';
    } catch (...) {
        std::cerr << "amortix-cli: unexpected failure\n";
    }
    return 1;
}
