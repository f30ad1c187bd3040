# Joins the program's square PNG pictures into one Windows icon:
#   cmake -P cmake/make-ico.cmake OUT.ico PICTURE.png...
# CMake cannot write the icon's binary header itself, so this compiles
# packaging/windows/make-ico.cpp with the build host's C++ compiler (c++, or
# the one named by -DHOST_CXX=... before -P) and runs it. Usable from a cross
# build, where the project's own compiler makes Windows programs:
#   add_custom_command(OUTPUT corvane.ico
#       COMMAND ${CMAKE_COMMAND} -P ${PROJECT_SOURCE_DIR}/cmake/make-ico.cmake
#               corvane.ico ${pictures} DEPENDS ${pictures})
cmake_minimum_required(VERSION 3.25)

# In script mode the arguments after the script are CMAKE_ARGV<n>; the
# script is the first argument after -P.
set(arguments)
set(after_script FALSE)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE 1 ${last})
    if(after_script)
        list(APPEND arguments "${CMAKE_ARGV${i}}")
    elseif(CMAKE_ARGV${i} STREQUAL "-P")
        math(EXPR script_index "${i} + 1")
        set(skip_to ${script_index})
    elseif(DEFINED skip_to AND i EQUAL skip_to)
        set(after_script TRUE)
    endif()
endforeach()
list(LENGTH arguments count)
if(count LESS 2)
    message(FATAL_ERROR "usage: cmake -P make-ico.cmake OUT.ico PICTURE.png...")
endif()
list(POP_FRONT arguments out)
# Relative names are relative to where cmake runs, as for any command.
get_filename_component(out "${out}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_BINARY_DIR}")

if(NOT HOST_CXX)
    find_program(HOST_CXX NAMES c++ g++ clang++ REQUIRED)
endif()
get_filename_component(source "${CMAKE_CURRENT_LIST_DIR}/../packaging/windows/make-ico.cpp" ABSOLUTE)
get_filename_component(out_dir "${out}" DIRECTORY)
file(MAKE_DIRECTORY "${out_dir}")
# The tool is built in a temporary folder, not beside the icon: the icon may
# be written straight into the staged program folder, which is shipped whole.
set(temp "/tmp")
if(DEFINED ENV{TMPDIR})
    set(temp "$ENV{TMPDIR}")
endif()
string(RANDOM LENGTH 12 tag)
set(tool_dir "${temp}/corvane-make-ico-${tag}")
file(MAKE_DIRECTORY "${tool_dir}")
execute_process(COMMAND "${HOST_CXX}" -std=c++20 -O1 "${source}" -o "${tool_dir}/make-ico"
                RESULT_VARIABLE build_status)
if(build_status EQUAL 0)
    execute_process(COMMAND "${tool_dir}/make-ico" "${out}" ${arguments} RESULT_VARIABLE status)
endif()
file(REMOVE_RECURSE "${tool_dir}")
if(NOT build_status EQUAL 0)
    message(FATAL_ERROR "make-ico: ${HOST_CXX} could not build ${source}")
endif()
if(NOT status EQUAL 0)
    message(FATAL_ERROR "make-ico: ${out} was not made")
endif()
