# The Debian package: cpack -G DEB in the build folder gives vornix_1.0.1-1_amd64.deb.
set(CPACK_PACKAGE_NAME vornix)
set(CPACK_PACKAGE_VENDOR Vornix)
set(CPACK_PACKAGE_CONTACT "Vornix <vornix@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "algebra calculator for junior middle school: quadratics, lines")
set(CPACK_PACKAGE_DESCRIPTION
    "Vornix solves the two exercises of junior middle school algebra in one
small window: the real roots of a quadratic equation (the linear one when
the first coefficient is 0), with their exact form in simplest radicals,
the discriminant and the vertex; and the line Y = kX + b through two points.
It computes exactly with the numbers as typed and understands the full-width
digits of Chinese input methods. Its interface is Chinese; it is made for
the students of Chinese junior middle schools and their teachers.

Vornix 是为中国初中学生和老师设计的代数计算器：
求一元二次方程的实数根，给出最简根式、判别式和顶点；
由两点坐标求一次函数式。")
set(CPACK_PACKAGE_HOMEPAGE_URL ${VORNIX_HOMEPAGE})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows ask for the Song and Kai faces by name.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming, fonts-arphic-ukai")
# Qt's own texts (the entry boxes' menu, "OK") in Chinese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# A cross build is packaged for the machine it is built for: dpkg-shlibdeps,
# which cpack runs, then reads that machine's libraries.
if(CMAKE_CROSSCOMPILING AND CMAKE_SYSTEM_PROCESSOR STREQUAL "aarch64")
    set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
    set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/cpack-arm64.cmake)
    file(WRITE ${CPACK_PROJECT_CONFIG_FILE} "set(ENV{DEB_HOST_ARCH} arm64)\n")
endif()
include(CPack)
