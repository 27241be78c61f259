# What `cmake --install` puts under its prefix: the two programs in bin/, their data in
# share/quenvalor/ (where the program looks for it, from ../share/quenvalor beside its
# executable), the desktop entry, the AppStream metainfo and the application icon in the sizes of
# the desktop's icon theme.
include(GNUInstallDirs)

set(QUENVALOR_APP_ID org.quenvalor.Quenvalor)
set(QUENVALOR_DATA_DESTINATION ${CMAKE_INSTALL_DATADIR}/quenvalor)

install(TARGETS quenvalor quenvalor-eft RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/skin ${CMAKE_BINARY_DIR}/Effects ${CMAKE_BINARY_DIR}/EffectsBmps
    DESTINATION ${QUENVALOR_DATA_DESTINATION})
# The document the Home button opens.
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${QUENVALOR_DATA_DESTINATION})

configure_file(${CMAKE_SOURCE_DIR}/data/quenvalor.desktop.in
    ${CMAKE_BINARY_DIR}/data/english/${QUENVALOR_APP_ID}.desktop @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/data/quenvalor.metainfo.xml.in
    ${CMAKE_BINARY_DIR}/data/english/${QUENVALOR_APP_ID}.metainfo.xml @ONLY)
# Both carry the languages of the program's translations (the DesktopEntry texts of each .ts).
find_package(Python3 REQUIRED COMPONENTS Interpreter)
file(GLOB QUENVALOR_DESKTOP_TS_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/translations/quenvalor_*.ts)
add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/data/${QUENVALOR_APP_ID}.desktop
           ${CMAKE_BINARY_DIR}/data/${QUENVALOR_APP_ID}.metainfo.xml
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/translate_desktop_files.py
            ${CMAKE_BINARY_DIR}/data/english/${QUENVALOR_APP_ID}.desktop
            ${CMAKE_BINARY_DIR}/data/${QUENVALOR_APP_ID}.desktop
            ${CMAKE_BINARY_DIR}/data/english/${QUENVALOR_APP_ID}.metainfo.xml
            ${CMAKE_BINARY_DIR}/data/${QUENVALOR_APP_ID}.metainfo.xml
            ${QUENVALOR_DESKTOP_TS_FILES}
    DEPENDS ${CMAKE_SOURCE_DIR}/tools/translate_desktop_files.py
            ${CMAKE_BINARY_DIR}/data/english/${QUENVALOR_APP_ID}.desktop
            ${CMAKE_BINARY_DIR}/data/english/${QUENVALOR_APP_ID}.metainfo.xml
            ${QUENVALOR_DESKTOP_TS_FILES}
    COMMENT "Translating the desktop entry and the metainfo")
add_custom_target(quenvalor_desktop_files ALL
    DEPENDS ${CMAKE_BINARY_DIR}/data/${QUENVALOR_APP_ID}.desktop
            ${CMAKE_BINARY_DIR}/data/${QUENVALOR_APP_ID}.metainfo.xml)
install(FILES ${CMAKE_BINARY_DIR}/data/${QUENVALOR_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/data/${QUENVALOR_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The skin generator draws the icon into resources/ for the program; the theme takes the same
# pictures under the application's id.
foreach(size IN ITEMS 16 24 32 48 64 128 256)
    install(FILES ${CMAKE_BINARY_DIR}/resources/quenvalor_${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${QUENVALOR_APP_ID}.png)
endforeach()
