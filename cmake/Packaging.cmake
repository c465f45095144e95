# Installation and the Debian package.
#
# `cmake --install` lays out the system package folder the way the launcher reads
# it (the folder above its own executable) and adds the menu entry, the icons and
# a command in the system's bin folder. `cpack -G DEB` wraps the same into a .deb.
#
# The payload is the client folder copied to every user's home; its INFO gets
# the package's build number, so that a freshly deployed private copy never
# looks older than the package and is not deployed again on every start.

set(LAUNCHER_BUILD_NUMBER "1" CACHE STRING
    "Build number written to INFO; the launcher redeploys a user's copy when this grows")
set(LAUNCHER_ICON_OVERLAY_VERSION "1" CACHE STRING "icon_overlay_version written to INFO")
set(LAUNCHER_PACKAGE_DIR "/opt/tarnwell/client" CACHE PATH
    "Absolute folder of the system package (bin/, INFO, images/, package/, log/)")
set(LAUNCHER_CLIENT_PAYLOAD_DIR "${PROJECT_SOURCE_DIR}/demo/client" CACHE PATH
    "Client folder installed as package/hollowmere (needs bin/tarnwell-ui and package/start-stop)")
set(LAUNCHER_SYSTEM_DATA_DIR "/usr/share" CACHE PATH
    "Absolute folder receiving applications/, icons/, man/ and doc/")
set(LAUNCHER_SYSTEM_BIN_DIR "/usr/bin" CACHE PATH
    "Absolute folder for a tarnwell-launcher symlink; empty for none")
set(LAUNCHER_PACKAGE_MAINTAINER "Tarnwell Packaging <packaging@tarnwell.example>" CACHE STRING
    "Maintainer field of the .deb")

# The launcher reads the build number with atoi; anything but digits would compare wrongly.
if(NOT LAUNCHER_BUILD_NUMBER MATCHES "^[0-9]+$")
    message(FATAL_ERROR "LAUNCHER_BUILD_NUMBER must be a decimal number, got '${LAUNCHER_BUILD_NUMBER}'")
endif()
foreach(folder LAUNCHER_PACKAGE_DIR LAUNCHER_SYSTEM_DATA_DIR)
    if(NOT IS_ABSOLUTE "${${folder}}")
        message(FATAL_ERROR "${folder} must be an absolute path, got '${${folder}}'")
    endif()
endforeach()

# --version prints both.
target_compile_definitions(launcher_startup PRIVATE
    LAUNCHER_VERSION="${PROJECT_VERSION}" LAUNCHER_BUILD_NUMBER="${LAUNCHER_BUILD_NUMBER}")

set(LAUNCHER_DEB_NAME tarnwell-client)
set(LAUNCHER_DEB_VERSION "${PROJECT_VERSION}.${LAUNCHER_BUILD_NUMBER}")
set(LAUNCHER_ICON_NAME tarnwell-client)
set(packaging_source ${PROJECT_SOURCE_DIR}/packaging)
set(packaging_binary ${PROJECT_BINARY_DIR}/packaging)

# Icons, drawn at build time by our own program.
add_executable(draw-icon ${packaging_source}/draw-icon.cpp)
target_link_libraries(draw-icon PRIVATE Qt5::Gui)

set(package_icon ${packaging_binary}/ico_72_hollowmere.png)
set(icon_sizes 48 72 256)
set(drawn_icons ${package_icon})
add_custom_command(OUTPUT ${package_icon}
    COMMAND draw-icon 72 ${package_icon}
    DEPENDS draw-icon
    COMMENT "Drawing the 72x72 package icon")
foreach(size IN LISTS icon_sizes)
    set(icon ${packaging_binary}/hicolor/${size}x${size}/${LAUNCHER_ICON_NAME}.png)
    add_custom_command(OUTPUT ${icon}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${packaging_binary}/hicolor/${size}x${size}
        COMMAND draw-icon ${size} ${icon}
        DEPENDS draw-icon
        COMMENT "Drawing the ${size}x${size} menu icon")
    list(APPEND drawn_icons ${icon})
endforeach()

# Text files with the configured paths and versions filled in.
string(TIMESTAMP LAUNCHER_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${packaging_source}/INFO.in ${packaging_binary}/INFO @ONLY)
configure_file(${packaging_source}/tarnwell-client.desktop.in
    ${packaging_binary}/${LAUNCHER_DEB_NAME}.desktop @ONLY)
configure_file(${packaging_source}/postinst.in ${packaging_binary}/control/postinst @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
configure_file(${packaging_source}/postrm.in ${packaging_binary}/control/postrm @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
configure_file(${packaging_source}/changelog.in ${packaging_binary}/changelog @ONLY)
string(TIMESTAMP LAUNCHER_RELEASE_DATE "%Y-%m-%d" UTC)
configure_file(${packaging_source}/tarnwell-client.metainfo.xml.in
    ${packaging_binary}/com.tarnwell.client.metainfo.xml @ONLY)
configure_file(${packaging_source}/tarnwell-launcher.1.in ${packaging_binary}/tarnwell-launcher.1 @ONLY)

# Debian wants the changelog and the manual page compressed, without a time stamp (-n).
set(compressed_docs ${packaging_binary}/changelog.gz ${packaging_binary}/tarnwell-launcher.1.gz)
foreach(document changelog tarnwell-launcher.1)
    add_custom_command(OUTPUT ${packaging_binary}/${document}.gz
        COMMAND gzip -9nkf ${packaging_binary}/${document}
        DEPENDS ${packaging_binary}/${document}
        COMMENT "Compressing ${document}")
endforeach()
# The payload's INFO with the package's build number in place of its own.
set(payload_info ${packaging_binary}/payload/INFO)
set(payload_info_source ${LAUNCHER_CLIENT_PAYLOAD_DIR}/INFO)
set(payload_info_depends "")
if(EXISTS ${payload_info_source})
    set(payload_info_depends ${payload_info_source})
endif()
add_custom_command(OUTPUT ${payload_info}
    COMMAND ${CMAKE_COMMAND} -DPAYLOAD_INFO=${payload_info_source} -DPACKAGE_INFO=${packaging_binary}/INFO
        -DBUILD_NUMBER=${LAUNCHER_BUILD_NUMBER} -DOUTPUT=${payload_info}
        -P ${packaging_source}/stamp-build-number.cmake
    DEPENDS ${packaging_source}/stamp-build-number.cmake ${packaging_binary}/INFO ${payload_info_depends}
    COMMENT "Stamping build ${LAUNCHER_BUILD_NUMBER} into the payload's INFO")
# The scalable menu icon, the same drawing as the PNGs.
set(scalable_icon ${packaging_binary}/hicolor/scalable/${LAUNCHER_ICON_NAME}.svg)
add_custom_command(OUTPUT ${scalable_icon}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${packaging_binary}/hicolor/scalable
    COMMAND draw-icon svg ${scalable_icon}
    DEPENDS draw-icon
    COMMENT "Drawing the scalable menu icon")
list(APPEND drawn_icons ${scalable_icon})
add_custom_target(package-files ALL DEPENDS ${drawn_icons} ${compressed_docs} ${payload_info})

# Debian links its programs with full RELRO; lintian reports a launcher without it.
target_link_options(tarnwell-launcher PRIVATE LINKER:-z,relro,-z,now)

# The system package folder.
install(TARGETS tarnwell-launcher RUNTIME DESTINATION ${LAUNCHER_PACKAGE_DIR}/bin)
install(FILES ${packaging_binary}/INFO DESTINATION ${LAUNCHER_PACKAGE_DIR})
install(FILES ${package_icon} DESTINATION ${LAUNCHER_PACKAGE_DIR}/images)
# Without launcher.debug: support engineers create it when they need debug records.
install(DIRECTORY DESTINATION ${LAUNCHER_PACKAGE_DIR}/log)
if(IS_DIRECTORY ${LAUNCHER_CLIENT_PAYLOAD_DIR})
    install(DIRECTORY ${LAUNCHER_CLIENT_PAYLOAD_DIR}/
        DESTINATION ${LAUNCHER_PACKAGE_DIR}/package/hollowmere
        USE_SOURCE_PERMISSIONS)
    # Listed after the payload so that it replaces the payload's own INFO.
    install(FILES ${payload_info} DESTINATION ${LAUNCHER_PACKAGE_DIR}/package/hollowmere)
else()
    message(WARNING "No client payload at '${LAUNCHER_CLIENT_PAYLOAD_DIR}': "
        "the package will have no package/hollowmere (set LAUNCHER_CLIENT_PAYLOAD_DIR)")
endif()

# Desktop integration.
install(FILES ${packaging_binary}/${LAUNCHER_DEB_NAME}.desktop
    DESTINATION ${LAUNCHER_SYSTEM_DATA_DIR}/applications)
foreach(size IN LISTS icon_sizes)
    install(FILES ${packaging_binary}/hicolor/${size}x${size}/${LAUNCHER_ICON_NAME}.png
        DESTINATION ${LAUNCHER_SYSTEM_DATA_DIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${scalable_icon} DESTINATION ${LAUNCHER_SYSTEM_DATA_DIR}/icons/hicolor/scalable/apps)
install(FILES ${packaging_binary}/com.tarnwell.client.metainfo.xml DESTINATION ${LAUNCHER_SYSTEM_DATA_DIR}/metainfo)
install(FILES ${packaging_binary}/tarnwell-launcher.1.gz DESTINATION ${LAUNCHER_SYSTEM_DATA_DIR}/man/man1)
install(FILES ${packaging_source}/copyright ${packaging_binary}/changelog.gz
    DESTINATION ${LAUNCHER_SYSTEM_DATA_DIR}/doc/${LAUNCHER_DEB_NAME})
# lintian keeps Debian's own archive out of /opt; a vendor package belongs there.
if(LAUNCHER_PACKAGE_DIR MATCHES "^/opt/")
    install(FILES ${packaging_source}/lintian-overrides
        DESTINATION ${LAUNCHER_SYSTEM_DATA_DIR}/lintian/overrides
        RENAME ${LAUNCHER_DEB_NAME})
endif()
if(LAUNCHER_SYSTEM_BIN_DIR)
    # The launcher resolves this link to find its package folder.
    file(CREATE_LINK ${LAUNCHER_PACKAGE_DIR}/bin/tarnwell-launcher
        ${packaging_binary}/tarnwell-launcher SYMBOLIC)
    install(FILES ${packaging_binary}/tarnwell-launcher DESTINATION ${LAUNCHER_SYSTEM_BIN_DIR})
endif()

# The Debian package. Every destination above is absolute, hence DESTDIR staging.
set(CPACK_GENERATOR DEB)
set(CPACK_SET_DESTDIR ON)
# Else CPack would stage an empty /usr/local into the .deb.
set(CPACK_INSTALL_PREFIX ${LAUNCHER_PACKAGE_DIR})
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_NAME ${LAUNCHER_DEB_NAME})
set(CPACK_PACKAGE_VENDOR "Tarnwell")
set(CPACK_PACKAGE_VERSION ${LAUNCHER_DEB_VERSION})
set(CPACK_PACKAGE_CONTACT ${LAUNCHER_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "file synchronisation client for the desktop")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[
Tarnwell keeps the files in a folder of the user's home in sync with the
Tarnwell cloud and with the user's other devices.

The client is installed once for the whole system; each user runs a private
copy of it from the home folder. The launcher in the menu keeps that copy
current: when the installed package is newer, or the copy's program is
missing, it stops the running client, replaces the copy with a backup and
rollback, and then starts the client.]=])
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${LAUNCHER_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Wayland platform plugin for Wayland-only sessions (without it the
# launcher runs offscreen there), and fonts for the Chinese, Japanese, Korean
# and Thai texts, which common desktop fonts do not cover.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qtwayland5, fonts-noto-cjk, fonts-thai-tlwg")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${packaging_binary}/control/postinst ${packaging_binary}/control/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
