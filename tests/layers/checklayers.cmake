# Fails naming file and include where a folder includes one that stands above it, or one
# beside it on the same level. Run as: cmake -DSOURCE_DIR=<tree> -P checklayers.cmake
#
# Lowest first. link, records and documents share a level and include none of each other
# today; the day one needs another, the pair is listed here with the reason.
set(levels
    "coding"
    "config"
    "link records documents"
    "session"
    "production"
    "app")
# On top, may include anything: tools qml tests bench.

set(rank_index 0)
foreach(level IN LISTS levels)
    separate_arguments(folders UNIX_COMMAND "${level}")
    foreach(folder IN LISTS folders)
        set(rank_${folder} ${rank_index})
    endforeach()
    math(EXPR rank_index "${rank_index} + 1")
endforeach()

set(faults "")
foreach(level IN LISTS levels)
    separate_arguments(folders UNIX_COMMAND "${level}")
    foreach(folder IN LISTS folders)
        # A folder not made yet has nothing to check.
        if(NOT IS_DIRECTORY "${SOURCE_DIR}/${folder}")
            continue()
        endif()
        file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}"
             "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
        foreach(source IN LISTS sources)
            file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+\"")
            foreach(line IN LISTS includes)
                string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" included "${line}")
                if(NOT included MATCHES "/")
                    continue()
                endif()
                string(REGEX REPLACE "/.*" "" target "${included}")
                if(target STREQUAL folder OR NOT DEFINED rank_${target})
                    continue()
                endif()
                if(rank_${target} GREATER_EQUAL rank_${folder})
                    list(APPEND faults "${source}: #include \"${included}\" (${folder} may not include ${target})")
                endif()
            endforeach()
        endforeach()
    endforeach()
endforeach()

if(faults)
    list(JOIN faults "\n" text)
    message(FATAL_ERROR "Dependencies pointing the wrong way:\n${text}")
endif()
message(STATUS "Layers: every include points down")
