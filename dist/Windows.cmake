# The Windows packages, made by cpack in the cross build (./build.sh windows): the portable zip
# and the installer, both of the one folder an installation lays out. The programs, their
# tables and book, a README.txt and the licence lie side by side, the texts with Windows line
# ends (COPYING holds no @-names: configure_file changes only its line ends).
set(CPACK_PACKAGE_HOMEPAGE_URL https://ostrand-chess.example.org)
set(texts ${CMAKE_CURRENT_BINARY_DIR}/texts)
configure_file(README-windows.txt.in ${texts}/README.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(${CMAKE_SOURCE_DIR}/COPYING ${texts}/COPYING.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${texts}/README.txt ${texts}/COPYING.txt DESTINATION .)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_PACKAGE_NAME ostrand-chess)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Ostrand developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Chess against the computer in a single window")
# The zip unpacks into a folder of this name; PackageNames.cmake names the installer after it.
set(CPACK_PACKAGE_FILE_NAME ${OSTRAND_WINDOWS_PACKAGE_NAME})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_SOURCE_DIR}/PackageNames.cmake)
set(CPACK_STRIP_FILES ON)

# The installer, itself a 64-bit program, puts the 64-bit programs under the 64-bit Program
# Files and writes the 64-bit registry, and runs where they run. An older version is
# uninstalled first, so that no file of it stays behind. The uninstaller removes the files
# and links it made; the saved game and the settings, which the window writes into the
# player's own folders, stay.
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Ostrand Chess")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Ostrand Chess")
set(CPACK_NSIS_DEFINES "  Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME "Ostrand Chess")
set(CPACK_NSIS_DISPLAY_NAME "Ostrand Chess ${PROJECT_VERSION}")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_RESOURCE_FILE_LICENSE ${texts}/COPYING.txt)
set(CPACK_NSIS_URL_INFO_ABOUT ${CPACK_PACKAGE_HOMEPAGE_URL})
set(CPACK_NSIS_CONTACT "developers@ostrand-chess.example.org")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_MENU_LINKS README.txt "Read me")
if(TARGET ostrand-chess)
  set(CPACK_PACKAGE_EXECUTABLES ostrand-chess "Ostrand Chess")
  set(CPACK_NSIS_INSTALLED_ICON_NAME ostrand-chess.exe)
  set(CPACK_NSIS_MUI_FINISHPAGE_RUN ostrand-chess.exe)
  # The installer and the uninstaller wear the window's icon.
  get_target_property(icon ostrand-chess SOURCES)
  list(FILTER icon INCLUDE REGEX "\\.ico$")
  set(CPACK_NSIS_MUI_ICON ${icon})
  set(CPACK_NSIS_MUI_UNIICON ${icon})
endif()
# The console engine answers on standard input, so its Start-menu entry opens a command
# prompt in the program folder that shows its commands.
set(engine_link "Ostrand Chess engine (command prompt).lnk")
set(CPACK_NSIS_CREATE_ICONS_EXTRA "  SetOutPath \"$INSTDIR\"
  CreateShortCut \"$SMPROGRAMS\\$STARTMENU_FOLDER\\${engine_link}\" \"$SYSDIR\\cmd.exe\" \\
                 \"/K ostrand-engine.exe --help\"")
# Run after the installer's own key is gone: then the vendor's key, empty, goes too.
set(CPACK_NSIS_DELETE_ICONS_EXTRA "  Delete \"$SMPROGRAMS\\$MUI_TEMP\\${engine_link}\"
  DeleteRegKey /ifempty SHCTX \"Software\\${CPACK_PACKAGE_VENDOR}\"")
include(CPack)
