# Read by cpack for each package: the installer's name says what it is beside the zip's.
if(CPACK_GENERATOR STREQUAL "NSIS")
  string(APPEND CPACK_PACKAGE_FILE_NAME -setup)
endif()
