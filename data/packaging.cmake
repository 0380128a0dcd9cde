# Debian package: `cpack` in the build folder writes quorvik-plb_<version>_<arch>.deb. Shared
# libraries come from dpkg-shlibdeps; the QML modules and image plugins the window loads at run
# time are not linked, so they are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvik-plb)
set(CPACK_PACKAGE_VENDOR Aldmar)
set(CPACK_PACKAGE_CONTACT "Aldmar service <service@aldmar.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Programming utility for 406 MHz personal locator beacons")
set(CPACK_PACKAGE_DESCRIPTION
    "Builds a PLB's identity, computes its 406 MHz message, writes and verifies the configuration\n through the USB programming adapter, keeps a database of programmed beacons and prints reports\n and labels.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qml6-module-qtquick, qml6-module-qtquick-window, qml6-module-qtquick-controls, qml6-module-qtquick-templates, qml6-module-qtquick-layouts, qml6-module-qtquick-shapes, qml6-module-qtquick-dialogs, qml6-module-qt-labs-platform, qml6-module-qtqml, qml6-module-qtqml-models, qml6-module-qtqml-workerscript, qt6-image-formats-plugins, qt6-qpa-plugins")
# Qt's own texts (dialog buttons, file dialogs) in German; the program's own are built in.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
