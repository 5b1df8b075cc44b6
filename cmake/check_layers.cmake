# Fails when a file of a layer includes a header of a layer it may not reach, so that the
# dependencies keep pointing down: calc/ is standard C++ only and includes nothing of the folders
# above it; settings/ builds on calc/ alone; in ui/, widgets/ knows only calc/, forms/ only
# widgets/ and calc/, and the window everything below it. Run by CTest as "layers" with
# -DSOURCE_DIR=<the source tree>.
cmake_minimum_required(VERSION 3.25)

# Each layer, innermost folder first, and the layers its quoted includes may name.
set(layers ui/widgets ui/forms ui settings calc)
set(reaches_calc calc)
set(reaches_settings settings calc)
set(reaches_ui/widgets ui/widgets calc)
set(reaches_ui/forms ui/forms ui/widgets calc)
set(reaches_ui ui ui/forms ui/widgets settings calc)

# The headers of the C++20 standard library: all that calc/ may include with <...>.
set(standard_headers
    algorithm any array atomic barrier bit bitset cassert cctype cerrno cfenv cfloat charconv
    chrono cinttypes climits clocale cmath codecvt compare complex concepts condition_variable
    coroutine csetjmp csignal cstdarg cstddef cstdint cstdio cstdlib cstring ctime cuchar cwchar
    cwctype deque exception execution filesystem format forward_list fstream functional future
    initializer_list iomanip ios iosfwd iostream istream iterator latch limits list locale map
    memory memory_resource mutex new numbers numeric optional ostream queue random ranges ratio
    regex scoped_allocator semaphore set shared_mutex source_location span sstream stack
    stdexcept stop_token streambuf string string_view strstream syncstream system_error thread
    tuple type_traits typeindex typeinfo unordered_map unordered_set utility valarray variant
    vector version)

# The layer of the file `path` (relative to SOURCE_DIR), or "" outside every layer.
function(layer_of path result)
    foreach(layer ${layers})
        string(FIND "${path}" "${layer}/" at)
        if(at EQUAL 0)
            string(REPLACE "${layer}/" "" rest "${path}")
            # A file of ui/ itself, not of a folder below it.
            if(layer STREQUAL "ui" AND rest MATCHES "/")
                continue()
            endif()
            set(${result} ${layer} PARENT_SCOPE)
            return()
        endif()
    endforeach()
    set(${result} "" PARENT_SCOPE)
endfunction()

# Where a quoted include of a file in `folder` leads, as the build's include folders find it:
# beside the file, from the root, or from the folder that ui/ publishes. A header made
# by the build is found as its template "<name>.in".
function(resolve folder included result)
    foreach(base "${folder}" "" "ui/")
        foreach(candidate "${base}${included}" "${base}${included}.in")
            if(EXISTS "${SOURCE_DIR}/${candidate}")
                file(RELATIVE_PATH relative "${SOURCE_DIR}" "${SOURCE_DIR}/${candidate}")
                set(${result} "${relative}" PARENT_SCOPE)
                return()
            endif()
        endforeach()
    endforeach()
    set(${result} "" PARENT_SCOPE)
endfunction()

set(broken "")
foreach(layer ${layers})
    file(GLOB sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.cpp
         ${SOURCE_DIR}/${layer}/*.h.in)
    foreach(source ${sources})
        get_filename_component(folder "${source}" DIRECTORY)
        file(STRINGS ${SOURCE_DIR}/${source} lines REGEX "^[ \t]*#[ \t]*include")
        foreach(line ${lines})
            if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
                set(included "${CMAKE_MATCH_1}")
                resolve("${folder}/" "${included}" found)
                layer_of("${found}" reached)
                if(NOT found)
                    string(APPEND broken "\n  ${source} includes \"${included}\", not found")
                elseif(NOT reached)
                    string(APPEND broken "\n  ${source} (${layer}) includes ${found}, of no layer")
                elseif(NOT reached IN_LIST reaches_${layer})
                    string(APPEND broken "\n  ${source} (${layer}) includes ${found} (${reached})")
                endif()
            elseif(layer STREQUAL "calc" AND line MATCHES "#[ \t]*include[ \t]*<([^>]+)>")
                if(NOT CMAKE_MATCH_1 IN_LIST standard_headers)
                    string(APPEND broken "\n  ${source} includes <${CMAKE_MATCH_1}>, "
                                         "not of the standard library")
                endif()
            endif()
        endforeach()
    endforeach()
endforeach()
if(broken)
    message(FATAL_ERROR "A layer reaches beyond what it may use:${broken}")
endif()
message(STATUS "layers: calc -> the standard library; settings -> calc; "
               "ui/widgets -> calc; ui/forms -> widgets; ui -> forms, settings")
