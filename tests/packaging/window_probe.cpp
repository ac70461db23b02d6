// Exits with 0 when a window of the class named by its argument is open: a
// look into a running program from outside it.
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
    return argc == 2 && FindWindowW(argv[1], nullptr) != nullptr ? 0 : 1;
}
