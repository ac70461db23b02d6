#include "program.hpp"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show_command) {
    return vornix::win32::run(show_command);
}
