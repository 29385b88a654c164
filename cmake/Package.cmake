# The Debian package, built with `cpack -G DEB` in a build folder (package.sh
# does it from a release build). It installs under /usr: the program and
# Help.Txt in /usr/lib/quorvex with a link in /usr/bin, the package's own
# documents, and everything the desktop needs (see Install.cmake).

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvex)
set(CPACK_PACKAGE_VENDOR "Quorvex developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

# One package made of the components a desktop user needs: the plain install's
# Program component (program and help in bin) is replaced by Packaged.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL Desktop Packaged)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)

set(CPACK_DEBIAN_PACKAGE_NAME quorvex)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # quorvex_<version>_<architecture>.deb
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quorvex developers <quorvex@users.noreply.github.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "scientific calculator with a Simplified-Chinese interface")
# the summary is the synopsis line; CPack indents these lines and turns the
# empty one into the paragraph mark
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Quorvex is a desktop scientific calculator. Its main window evaluates
expressions with operator precedence and scientific functions, in decimal,
binary, octal and hexadecimal, in degrees, radians and grads, with five
memories, a history, clipboard copy and paste and statistics, kept in a
session file on request. Three more windows share its engine: an equation
solver, a function plotter and a formula editor.

中文界面的桌面科学计算器，带解一元方程、画函数图像和公式编辑器。")

# The libraries it links come from dpkg-shlibdeps; besides them it needs a
# font that has Chinese characters, and xdg-open to hand the help text to the
# desktop's text viewer.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-wqy-microhei | fonts-wqy-zenhei | fonts-noto-cjk, xdg-utils")
# Wayland sessions run it natively with Qt's Wayland plugin, else through
# XWayland; Qt's own Chinese texts (standard buttons, context menus) come with
# its translations, else those stay in English
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
