// Stands in for Windows' calculator in the window tests: each start appends the program's own
// path to the file that SPOONWISE_CALCULATOR_LOG names, so a test tells it from a decoy.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main()
{
    char self[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
    const char *log = std::getenv("SPOONWISE_CALCULATOR_LOG");
    if (length == 0 || length >= MAX_PATH || !log)
        return 1;
    FILE *file = std::fopen(log, "a");
    if (!file)
        return 1;
    std::fprintf(file, "%s\n", self);
    return std::fclose(file) == 0 ? 0 : 1;
}
