# Read by cpack for each generator it runs. The /usr prefix belongs to the Debian package:
# the source archive keeps the tree at its top.
if(CPACK_SOURCE_PACKAGE_FILE_NAME AND CPACK_PACKAGE_FILE_NAME STREQUAL CPACK_SOURCE_PACKAGE_FILE_NAME)
  unset(CPACK_PACKAGING_INSTALL_PREFIX)
endif()
