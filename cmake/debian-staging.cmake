# Run by CPack on the staged files before it builds the .deb, to leave them as
# Debian's own packaging tools would:
# - the programs lose, beyond their symbols, the compiler's version notes
#   (.comment and .note sections), as dh_strip removes them;
# - manual pages are compressed with gzip's highest level and no time stamp,
#   so that identical sources give identical packages.
file(GLOB programs "${CPACK_TEMPORARY_DIRECTORY}/usr/bin/*")
foreach(program IN LISTS programs)
    execute_process(COMMAND strip --remove-section=.comment --remove-section=.note
                            --strip-unneeded "${program}"
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "cannot strip ${program}")
    endif()
endforeach()

file(GLOB_RECURSE pages "${CPACK_TEMPORARY_DIRECTORY}/usr/share/man/*.[1-9]")
foreach(page IN LISTS pages)
    execute_process(COMMAND gzip -9nf "${page}" RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "cannot compress ${page}")
    endif()
endforeach()
