#include "cli/Program.h"
#include "cli/System.h"

#ifdef _WIN32
// The wide command line: the arguments in UTF-16, whatever the code page, so that °F, m² and file names in
// any script arrive whole.
int wmain(int argc, wchar_t **argv) {
    return quorlex::cli::RunProgram(quorlex::cli::sys::Arguments(argc, argv));
}
#else
int main(int argc, char **argv) {
    return quorlex::cli::RunProgram(quorlex::cli::sys::Arguments(argc, argv));
}
#endif
