# Fails when a file outside src/ includes one of the core's private headers (a header that exists
# under src/), but for the white-box tests of tests/internal/ and the two fuzz targets that feed
# the frame's helpers directly. Run by CTest as layout.private_headers with -DROOT=<source dir>.
set(allowed
    tests/internal/
    fuzz/numbers_fuzz.cpp
    fuzz/files_fuzz.cpp)
set(faults "")
foreach(folder apps bench examples fuzz include qt tests tools)
    file(GLOB_RECURSE sources RELATIVE ${ROOT}
        ${ROOT}/${folder}/*.cpp ${ROOT}/${folder}/*.hpp ${ROOT}/${folder}/*.h)
    foreach(source ${sources})
        set(exempt FALSE)
        foreach(prefix ${allowed})
            string(FIND "${source}" "${prefix}" at)
            if(at EQUAL 0)
                set(exempt TRUE)
            endif()
        endforeach()
        if(exempt)
            continue()
        endif()
        file(STRINGS ${ROOT}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
        foreach(line ${includes})
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" header "${line}")
            if(EXISTS ${ROOT}/src/${header})
                string(APPEND faults "\n  ${source} includes ${header}")
            endif()
        endforeach()
    endforeach()
endforeach()
if(faults)
    message(FATAL_ERROR "private headers of the core used outside src/:${faults}")
endif()
