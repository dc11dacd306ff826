# Read by cpack once per generator: the archive gets the portable folder, the Debian package the
# layout of an installed program under /usr.
if(CPACK_GENERATOR STREQUAL "DEB")
    set(CPACK_INSTALL_CMAKE_PROJECTS "${CPACK_ZEL_BINARY_DIR};zel2007;deb;/")
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
else()
    set(CPACK_INSTALL_CMAKE_PROJECTS "${CPACK_ZEL_BINARY_DIR};zel2007;portable;/")
endif()
