#include "main_window.hpp"
#include "startup.hpp"

int main(int argc, char** argv) {
    return vornix::host::run(argc, argv, [](vornix::host::Services& services) {
        return std::make_unique<vornix::ui::MainWindow>(services);
    });
}
