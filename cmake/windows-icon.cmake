# corvane_make_ico(<out.ico> <png>...): builds the Windows icon file from the
# program's own PNG drawings, one entry per size, at build time
# (cmake/make-ico.cmake does the writing).
function(corvane_make_ico out)
    add_custom_command(OUTPUT ${out}
        COMMAND ${CMAKE_COMMAND} -P ${PROJECT_SOURCE_DIR}/cmake/make-ico.cmake ${out} ${ARGN}
        DEPENDS ${ARGN} ${PROJECT_SOURCE_DIR}/cmake/make-ico.cmake
                ${PROJECT_SOURCE_DIR}/packaging/windows/make-ico.cpp
        COMMENT "Windows icon ${out}"
        VERBATIM)
endfunction()
