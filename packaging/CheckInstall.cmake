# Staging install of the build tree and a check of what it laid out:
#   cmake -DBUILD_DIR=... -DSTAGE=... -DCONFIG=... -DAPP_ID=... -DEXPECTED=a,b,c
#         [-DAPPSTREAMCLI=...] -P CheckInstall.cmake
# The build is installed with the prefix /usr under DESTDIR=STAGE. The files
# under STAGE must be exactly the EXPECTED ones (relative to /usr), each PNG
# icon must have the size its folder names, the desktop entry must start an
# installed program and name the installed icon, and the metadata must name
# the installed desktop entry; with APPSTREAMCLI, the installed tree must also
# pass its validate-tree.
cmake_minimum_required(VERSION 3.25)

foreach(variable BUILD_DIR STAGE APP_ID EXPECTED)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "CheckInstall.cmake needs -D${variable}=...")
    endif()
endforeach()

set(failures "")
macro(fail text)
    string(APPEND failures "  ${text}\n")
endmacro()

file(REMOVE_RECURSE "${STAGE}")
set(config_option "")
if(CONFIG)
    set(config_option --config "${CONFIG}")
endif()
execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env "DESTDIR=${STAGE}"
            "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix /usr ${config_option}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${result}):\n${output}")
endif()

# Exactly the expected files, nothing outside /usr.
string(REPLACE "," ";" expected "${EXPECTED}")
list(TRANSFORM expected PREPEND "usr/")
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${STAGE}" "${STAGE}/*")
foreach(path ${expected})
    if(NOT path IN_LIST installed)
        fail("missing: /${path}")
    endif()
endforeach()
foreach(path ${installed})
    if(NOT path IN_LIST expected)
        fail("not expected: /${path}")
    endif()
endforeach()
set(usr "${STAGE}/usr")

# PNG icons: the IHDR chunk holds the width and height as big-endian 32-bit
# numbers at offsets 16 and 20.
file(GLOB pngs "${usr}/share/icons/hicolor/*x*/apps/*.png")
foreach(png ${pngs})
    get_filename_component(folder "${png}" DIRECTORY)
    get_filename_component(folder "${folder}" DIRECTORY)
    get_filename_component(folder "${folder}" NAME)
    file(READ "${png}" header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 0 16 signature)
    string(SUBSTRING "${header}" 32 8 width)
    string(SUBSTRING "${header}" 40 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    if(NOT signature STREQUAL "89504e470d0a1a0a")
        fail("not a PNG file: ${png}")
    elseif(NOT "${width}x${height}" STREQUAL folder)
        fail("icon of ${width}x${height} pixels in the folder ${folder}")
    endif()
endforeach()

# The desktop entry starts an installed program and names the installed icon.
set(desktop "${usr}/share/applications/${APP_ID}.desktop")
if(EXISTS "${desktop}")
    file(STRINGS "${desktop}" exec_lines REGEX "^Exec=")
    file(STRINGS "${desktop}" icon_lines REGEX "^Icon=")
    foreach(line ${exec_lines})
        string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" program "${line}")
        if(NOT EXISTS "${usr}/bin/${program}")
            fail("the desktop entry starts ${program}, which is not in /usr/bin")
        endif()
    endforeach()
    if(NOT icon_lines STREQUAL "Icon=${APP_ID}")
        fail("the desktop entry's icon is '${icon_lines}', not Icon=${APP_ID}")
    endif()
endif()

# The metadata is filled in and launches the installed desktop entry.
set(metainfo "${usr}/share/metainfo/${APP_ID}.metainfo.xml")
if(EXISTS "${metainfo}")
    file(READ "${metainfo}" text)
    if(text MATCHES "@[A-Za-z_]+@")
        fail("the metadata still holds ${CMAKE_MATCH_0}")
    endif()
    if(NOT text MATCHES "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>")
        fail("the metadata does not launch ${APP_ID}.desktop")
    endif()
    if(NOT text MATCHES "<release version=\"[0-9.]+\" date=\"[0-9]+-[0-9]+-[0-9]+\"")
        fail("the metadata has no dated release")
    endif()
endif()

if(APPSTREAMCLI)
    execute_process(COMMAND "${APPSTREAMCLI}" validate-tree --no-net "${STAGE}"
                    RESULT_VARIABLE result
                    OUTPUT_VARIABLE output
                    ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        fail("appstreamcli validate-tree failed:\n${output}")
    endif()
endif()

if(failures)
    message(FATAL_ERROR "The staging install in ${STAGE} is not as expected:\n${failures}")
endif()
list(LENGTH installed count)
message(STATUS "Staging install: the ${count} expected files are in place")
