# SPDX-FileCopyrightText: 2026 Kiravelo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a folder of src/ includes a header from a folder it may not use.
# Run as: cmake -DSOURCE_DIR=<repo>/src -P CheckLayers.cmake
#
# One line per folder: the folders whose headers it may include. The catalogue and
# the library (what the user keeps, over Qt SQL) and printing (the module that alone
# links Qt Print Support) are the bottom; controls, typesetting and documents stand on
# the catalogue; pages on those; the app on top. Tools, benchmarks and tests live outside src/ and may use anything.
set(may_use_catalogue catalogue)
set(may_use_library   library)
set(may_use_printing  printing)
set(may_use_controls  catalogue controls)
set(may_use_typeset   catalogue typeset)
set(may_use_documents catalogue documents)
set(may_use_pages     catalogue library printing controls typeset documents pages)
set(may_use_app       catalogue library printing controls typeset documents pages app)

if(NOT IS_DIRECTORY "${SOURCE_DIR}")
    message(FATAL_ERROR "CheckLayers: SOURCE_DIR '${SOURCE_DIR}' is not a folder")
endif()

file(GLOB entries RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*)
set(folders)
foreach(entry ${entries})
    if(IS_DIRECTORY ${SOURCE_DIR}/${entry})
        if(NOT DEFINED may_use_${entry})
            message(FATAL_ERROR "src/${entry} has no line in cmake/CheckLayers.cmake")
        endif()
        list(APPEND folders ${entry})
    endif()
endforeach()

# Which folder each header lives in.
foreach(folder ${folders})
    file(GLOB_RECURSE headers ${SOURCE_DIR}/${folder}/*.h)
    foreach(header ${headers})
        get_filename_component(name ${header} NAME)
        if(DEFINED home_${name} AND NOT home_${name} STREQUAL folder)
            message(FATAL_ERROR "${name} is in both src/${home_${name}} and src/${folder}")
        endif()
        set(home_${name} ${folder})
    endforeach()
endforeach()

set(faults 0)
foreach(folder ${folders})
    file(GLOB_RECURSE sources ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
    foreach(source ${sources})
        file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][^\">]+[\">]")
        foreach(line ${includes})
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[\"<]([^\">]+)[\">].*$" "\\1"
                   included "${line}")
            get_filename_component(name "${included}" NAME)
            if(NOT DEFINED home_${name})
                continue() # Qt, the standard library, or a generated file
            endif()
            list(FIND may_use_${folder} ${home_${name}} allowed)
            if(allowed EQUAL -1)
                file(RELATIVE_PATH where ${SOURCE_DIR} ${source})
                string(REPLACE ";" ", " may "${may_use_${folder}}")
                message(SEND_ERROR "src/${where} includes ${included} from src/${home_${name}}, "
                                   "but src/${folder} may only use: ${may}")
                math(EXPR faults "${faults} + 1")
            endif()
        endforeach()
    endforeach()
endforeach()

if(faults GREATER 0)
    message(FATAL_ERROR "${faults} include(s) break the layering")
endif()
list(LENGTH folders count)
message(STATUS "Layering holds in ${count} folders of src/")
