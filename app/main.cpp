#include "main_window.hpp"
#include "startup.hpp"

int main(int argc, char** argv) {
    using namespace vornix::qt;
    return run(argc, argv, [](Services& services, ProgramWindows& windows) {
        return std::make_unique<MainWindow>(services, windows);
    });
}
