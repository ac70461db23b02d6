#include "main_window.hpp"
#include "startup.hpp"

int main(int argc, char** argv) {
    using namespace vornix;
    return host::run(argc, argv, [](host::Services& services, host::ProgramWindows& windows) {
        return std::make_unique<ui::MainWindow>(services, windows);
    });
}
