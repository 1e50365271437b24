# Fails when a source file includes a room above its own, or when the logic includes Qt.
# Run as: cmake -DSOURCE_DIR=<top of the sources> -P CheckLayers.cmake
#
# Each room may include itself and the rooms listed for it; nothing below the desktop binding
# (window/qt) and the picture loader (assets) may include a Qt header.
cmake_minimum_required(VERSION 3.25)

set(allowed_core core)
set(allowed_surface surface core)
set(allowed_catalogue catalogue core)
set(allowed_planview planview surface core)
set(allowed_skyview skyview surface core)
set(allowed_window window planview skyview catalogue surface core)
set(toolkit_free core surface catalogue planview skyview window)

set(problems "")
foreach(room IN LISTS toolkit_free)
    file(GLOB_RECURSE sources "${SOURCE_DIR}/${room}/*.cpp" "${SOURCE_DIR}/${room}/*.hpp")
    foreach(source IN LISTS sources)
        file(RELATIVE_PATH shown "${SOURCE_DIR}" "${source}")
        if(shown MATCHES "^window/(qt|web)/")
            continue()
        endif()
        file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include")
        foreach(line IN LISTS includes)
            if(line MATCHES "<Q[A-Za-z]*>")
                string(APPEND problems "${shown}: the logic includes Qt: ${line}\n")
            elseif(line MATCHES "\"([a-z]+)/([^\"]*)\"")
                set(target "${CMAKE_MATCH_1}")
                if(target STREQUAL "window" AND CMAKE_MATCH_2 MATCHES "^(qt|web)/")
                    set(target "${target}/${CMAKE_MATCH_2}")
                endif()
                if(NOT target IN_LIST allowed_${room})
                    string(APPEND problems "${shown}: ${room} may not include ${line}\n")
                endif()
            endif()
        endforeach()
    endforeach()
endforeach()

if(problems)
    message(FATAL_ERROR "Includes that go up the layers:\n${problems}")
endif()
