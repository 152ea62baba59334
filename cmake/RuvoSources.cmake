# Collects the .cpp files of the given folders (relative to the project root), so that adding a
# source file needs no build-file edit. CONFIGURE_DEPENDS re-runs the glob at every build.
function(ruvo_glob_sources out_var)
    set(result "")
    foreach(dir IN LISTS ARGN)
        file(GLOB found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.cpp)
        list(APPEND result ${found})
    endforeach()
    list(SORT result)
    set(${out_var} ${result} PARENT_SCOPE)
endfunction()
