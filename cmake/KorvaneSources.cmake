# Collects the .cpp files of the calling folder: files named *_win.cpp build only for
# Windows, files named *_posix.cpp only elsewhere; every other file builds everywhere.
function(korvane_collect_sources out_var)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    if(WIN32)
        list(FILTER sources EXCLUDE REGEX "_posix\\.cpp$")
    else()
        list(FILTER sources EXCLUDE REGEX "_win\\.cpp$")
    endif()
    set(${out_var} ${sources} PARENT_SCOPE)
endfunction()
