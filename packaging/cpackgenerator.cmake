# Read by cpack once for each generator.
if(CPACK_GENERATOR STREQUAL "RPM")
    set(CPACK_INSTALLED_DIRECTORIES "${CPACK_MOUSECFG_RPM_DOC};usr/share/doc/mousecfg")
endif()
