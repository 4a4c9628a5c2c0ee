# Checks the layering of the folders; run as a build step. A game folder may include its own
# headers and those of the folders before it in LAYERS, never one after it nor any other folder,
# so that no two folders depend on each other: the platform knows no game, the game core knows
# only the platform, and each subsystem builds on the core and the subsystems listed before it.
# Only the tests may include the tests' own headers.
set(LAYERS platform core render maps ai net shell setup)
set(found "")

function(check_file f folder allowed)
    file(STRINGS "${f}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z_]+/")
    foreach(line ${includes})
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([a-z_]+)/.*" "\\1" target "${line}")
        list(FIND allowed "${target}" at)
        if(at EQUAL -1)
            file(RELATIVE_PATH name "${ROOT}" "${f}")
            set(found "${found}\n  ${name} (${folder}/) includes ${target}/" PARENT_SCOPE)
        endif()
    endforeach()
endfunction()

set(below "")
foreach(folder ${LAYERS})
    list(APPEND below ${folder})
    file(GLOB_RECURSE files "${ROOT}/${folder}/*.h" "${ROOT}/${folder}/*.cpp")
    foreach(f ${files})
        check_file("${f}" ${folder} "${below}")
    endforeach()
endforeach()
foreach(folder app tools bench sim fuzz)
    file(GLOB_RECURSE files "${ROOT}/${folder}/*.h" "${ROOT}/${folder}/*.cpp")
    foreach(f ${files})
        check_file("${f}" ${folder} "${LAYERS};app;tools;bench;sim;fuzz")
    endforeach()
endforeach()
if(found)
    list(JOIN LAYERS " < " order)
    message(FATAL_ERROR "Includes against the folders' layering (${order}):${found}")
endif()
