# What `cmake --install` puts where, and the Debian package CPack makes of it
# (scripts/package.sh). Installed: the three programs, the menu entry and the icon; nothing
# else (the static libraries and the tests stay in the build tree).

set(TRIP_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})
set(TRIP_ICON_SIZES 16 32 48 64 128 256)

foreach(program tripconf tripconf-cli tripsim)
    if(TARGET ${program})
        install(TARGETS ${program} RUNTIME DESTINATION bin)
    endif()
endforeach()

install(FILES ${TRIP_PACKAGING_DIR}/tripconf.desktop DESTINATION share/applications)
install(FILES ${TRIP_PACKAGING_DIR}/icons/tripconf.svg
        DESTINATION share/icons/hicolor/scalable/apps)
foreach(size ${TRIP_ICON_SIZES})
    install(FILES ${TRIP_PACKAGING_DIR}/icons/tripconf-${size}.png
            DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME tripconf.png)
endforeach()

# Installing needs the three programs only; the package script builds them first, so the
# install step does not wait for the whole tree (tests included) to build.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_PACKAGE_NAME tripconf)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "tripconf developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Configurator for a vehicle trip computer")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Reads the trip computer's memory over a serial RS-485 line, edits its settings in a "
    "tabbed editor, shows its trip, refuelling and fault journals, keeps settings files and "
    "writes the settings back. Includes tripconf-cli for scripts and tripsim, a simulated "
    "trip computer on a pseudo-terminal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "tripconf developers")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The Qt runtime packages come from what the programs link against, not from a typed list.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own Russian texts (file dialogs, standard buttons) are data no library links: without
# them a Russian user gets those dialogs in English. The program runs either way.
# The vehicles' history needs Qt's SQLite driver, a plugin no library links; without it the
# program works as before and says that vehicles are off.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, libqt6sql6-sqlite")
# tripconf_<version>_<architecture>.deb
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_GENERATOR DEB)
include(CPack)
