# vesmira-<version>-setup.exe and vesmira-<version>-win64.zip.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "vesmira-${CPACK_PACKAGE_VERSION}-setup")
else()
  set(CPACK_PACKAGE_FILE_NAME "vesmira-${CPACK_PACKAGE_VERSION}-win64")
endif()
