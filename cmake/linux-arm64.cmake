# Cross-builds Vornix for Linux on arm64 with Debian's multiarch packages: the
# arm64 Qt 6, GMP and C library beside the build machine's own, the build
# machine's moc, uic and rcc. ctest runs the arm64 programs under
# qemu-aarch64-static, which finds their libraries where multiarch keeps them.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64-static)
# A Qt used for another machine takes its tools from the build machine's Qt.
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
# pkg-config and dpkg-buildflags answer for arm64.
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/aarch64-linux-gnu/pkgconfig:/usr/share/pkgconfig)
set(ENV{DEB_HOST_ARCH} arm64)
