# quorlex_install_man_page(PAGE): installs a manual page of section 1 the way Debian keeps them,
# compressed without a time stamp, built with everything else.
include(GNUInstallDirs)
find_program(GZIP_EXECUTABLE gzip REQUIRED)

function(quorlex_install_man_page page)
    get_filename_component(name ${page} NAME)
    set(compressed ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz)
    add_custom_command(
        OUTPUT ${compressed}
        COMMAND ${GZIP_EXECUTABLE} -9 -n -c ${page} > ${compressed}
        DEPENDS ${page}
        VERBATIM)
    string(REPLACE "." "_" target ${name})
    add_custom_target(${target}_manpage ALL DEPENDS ${compressed})
    install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
