# Install rules for the command-line converter, which builds with or without Qt: the program beside the
# window program, its manual page and its bash completion.
include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/ManPage.cmake)

install(TARGETS quorlex-convert RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
quorlex_install_man_page(${CMAKE_CURRENT_LIST_DIR}/quorlex-convert.1)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/quorlex-convert.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME quorlex-convert)
