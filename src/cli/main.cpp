#include "cli/Program.h"

int main(int argc, char **argv) {
    return quorlex::cli::RunProgram(argc, argv);
}
