# The toolkit-neutral core for 32-bit Linux, its tests run under
# qemu-i386-static: pointers and long of 32 bits, as on 32-bit Windows.
# Debian's i686 cross compiler rather than gcc-multilib, which Debian 12 does
# not install beside the arm64 cross compiler (dev/arm64.sh); qemu finds the
# 32-bit C library where that compiler keeps it.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER i686-linux-gnu-g++)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-i386-static -L /usr/i686-linux-gnu)
