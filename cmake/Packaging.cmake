# `cpack -G DEB` in a release build makes spectrivue_<version>_<arch>.deb. The shared-library
# dependencies are computed by dpkg-shlibdeps; the Qt platform plugins are loaded at run time,
# so no library names them and their package is named here.
set(CPACK_PACKAGE_NAME spectrivue)
set(CPACK_PACKAGE_VENDOR "The Spectrivue makers")
set(CPACK_PACKAGE_CONTACT "help@spectrivue.org")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Colour picker and colour analyst for web and program authors")
# One line of the extended description a line here, as Debian wraps it.
set(CPACK_PACKAGE_DESCRIPTION [=[
Spectrivue samples the screen pixel under the pointer twenty times a second
and shows it in seven code notations (Visual Basic, decimal, C++, Delphi,
Java, Photoshop and HTML) plus red, green and blue; any notation goes to the
clipboard with one click.

It keeps 256-colour palettes in JASC-PAL files, names 2031 colours, magnifies
the screen, makes gradients and style sheets, and lists the colours of a
picture as an HTML table. On Wayland it picks through the desktop portal.]=])
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Spectrivue makers <help@spectrivue.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://spectrivue.org")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# TIFF, WebP and the other picture formats of the picture colour table; Qt's Wayland platform
# and the desktop portal, through which picks work on Wayland, with a backend for the desktop;
# wl-copy, which keeps a command-line pick's text on the Wayland clipboard; a font with the
# Japanese and Chinese characters.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-image-formats-plugins, qt6-translations-l10n, qt6-wayland, xdg-desktop-portal, wl-clipboard, fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS
    "xdg-desktop-portal-gtk | xdg-desktop-portal-kde | xdg-desktop-portal-wlr")
set(CPACK_STRIP_FILES ON)
include(CPack)
