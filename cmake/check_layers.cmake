# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that every include of the sources under SOURCE_DIR points down the
# layers LAYERS, given from the bottom, separated by "|"; the folders of one
# layer are separated by ",". A file may include from its own folder and from
# any folder of a lower layer, never from a folder beside it or above it.
# Run as: cmake -DSOURCE_DIR=... -DLAYERS=... -P check_layers.cmake
string(REPLACE "|" ";" layers "${LAYERS}")
set(rank 0)
set(folders "")
foreach(layer IN LISTS layers)
    string(REPLACE "," ";" members "${layer}")
    foreach(folder IN LISTS members)
        set(rank_${folder} ${rank})
        list(APPEND folders ${folder})
    endforeach()
    math(EXPR rank "${rank} + 1")
endforeach()

set(faults "")
file(GLOB present LIST_DIRECTORIES true RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*)
foreach(folder IN LISTS present)
    if(IS_DIRECTORY ${SOURCE_DIR}/${folder} AND NOT DEFINED rank_${folder})
        string(APPEND faults "\n  src/${folder}/ stands in no layer")
    endif()
endforeach()

foreach(folder IN LISTS folders)
    file(GLOB sources ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
    foreach(source IN LISTS sources)
        file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z_]+/")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^[^\"]*\"([a-z_]+)/.*$" "\\1" target "${line}")
            if(target STREQUAL folder)
                continue()
            endif()
            if(NOT DEFINED rank_${target} OR NOT rank_${target} LESS rank_${folder})
                file(RELATIVE_PATH shown ${SOURCE_DIR}/.. ${source})
                string(APPEND faults "\n  ${shown}: ${line}")
            endif()
        endforeach()
    endforeach()
endforeach()

if(faults)
    message(FATAL_ERROR "includes against the layers (${LAYERS}):${faults}")
endif()
