# Writes the payload's INFO with the package's build number, keeping the
# payload's other keys and sections. A payload INFO without a [Version] section
# gets the package's section appended; a payload without INFO gets the package's.
# cmake -DPAYLOAD_INFO=... -DPACKAGE_INFO=... -DBUILD_NUMBER=... -DOUTPUT=... -P stamp-build-number.cmake

file(READ ${PACKAGE_INFO} package_text)
if(NOT EXISTS ${PAYLOAD_INFO})
    file(WRITE ${OUTPUT} "${package_text}")
    return()
endif()

file(STRINGS ${PAYLOAD_INFO} payload_lines)
set(stamped "")
set(section "")
set(version_seen FALSE)
foreach(line IN LISTS payload_lines)
    # The payload's own build number gives way to the one written under the header.
    if(section STREQUAL "Version" AND line MATCHES "^[ \t]*build_version[ \t]*=")
        continue()
    endif()
    string(APPEND stamped "${line}\n")
    if(line MATCHES "^[ \t]*\\[(.*)\\][ \t]*$")
        set(section "${CMAKE_MATCH_1}")
        if(section STREQUAL "Version")
            set(version_seen TRUE)
            string(APPEND stamped "build_version=${BUILD_NUMBER}\n")
        endif()
    endif()
endforeach()
if(NOT version_seen)
    string(APPEND stamped "\n${package_text}")
endif()
file(WRITE ${OUTPUT} "${stamped}")
