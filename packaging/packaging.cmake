# What a user gets: the installer (CPack's NSIS generator over our own template
# in this folder) and the portable zip. Both hold the same files.
# Installing needs vesmira.exe only, not every test program.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
install(TARGETS vesmira RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/docs/README.ja.md ${PROJECT_SOURCE_DIR}/docs/screenshot.png
  DESTINATION docs)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME vesmira)
set(CPACK_PACKAGE_VENDOR "${VESM_COMPANY}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_VESM_DESCRIPTION "${VESM_DESCRIPTION}")
set(CPACK_VESM_COPYRIGHT "${VESM_COPYRIGHT}")
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/src/res/vesmira.ico)
set(CPACK_NSIS_URL_INFO_ABOUT "https://vesmira.example.jp/")
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
# The file names differ by package kind; CPack reads this per generator.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/package-names.cmake)
# CPack looks for NSIS.template.in on the module path.
list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
include(CPack)
