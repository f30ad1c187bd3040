# Run by CPack on the staged files before it builds the .deb: Debian ships
# manual pages compressed, with gzip's highest level and no time stamp, so
# that identical sources give identical packages.
file(GLOB_RECURSE pages "${CPACK_TEMPORARY_DIRECTORY}/*/share/man/*.[1-9]")
foreach(page IN LISTS pages)
    execute_process(COMMAND gzip -9nf "${page}" RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "cannot compress ${page}")
    endif()
endforeach()
