# SPDX-License-Identifier: GPL-3.0-or-later
# Copies every file of SOURCE_DIR into TARGET_DIR unless it is already there.
file(GLOB files "${SOURCE_DIR}/*")
foreach(f ${files})
    get_filename_component(name "${f}" NAME)
    if(NOT EXISTS "${TARGET_DIR}/${name}")
        file(COPY "${f}" DESTINATION "${TARGET_DIR}")
    endif()
endforeach()
