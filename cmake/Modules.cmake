# The core is split into one static library per subsystem folder, so that a
# folder and its tests build without the rest of the tree.
#
# A source file belongs to the Qt program shell (not the core) when it lives in
# src/ui/, starts with "Qt", or ends in one of the window-class suffixes.
set(SB_SHELL_FILE_REGEX "(/ui/|/Qt[^/]*$|(Dlg|PP|PS|View|Pane|Ctrl|Wnd|Frame|App|Doc)\\.(h|cpp)$|/main\\.cpp$)")

function(sb_glob_sources out folder)
    file(GLOB_RECURSE all CONFIGURE_DEPENDS
        ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/src/${folder}/*.h)
    set(${out} ${all} PARENT_SCOPE)
endfunction()

function(sb_core_files out folder)
    sb_glob_sources(all ${folder})
    list(FILTER all EXCLUDE REGEX "${SB_SHELL_FILE_REGEX}")
    set(${out} ${all} PARENT_SCOPE)
endfunction()

function(sb_shell_files out folder)
    sb_glob_sources(all ${folder})
    list(FILTER all INCLUDE REGEX "${SB_SHELL_FILE_REGEX}")
    list(FILTER all EXCLUDE REGEX "/app/main\\.cpp$")
    set(${out} ${all} PARENT_SCOPE)
endfunction()

# sb_core_module(name [DEPENDS other ...]): library sb_<name> from src/<name>/.
function(sb_core_module name)
    cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
    sb_core_files(files ${name})
    list(FILTER files INCLUDE REGEX "\\.cpp$")
    string(REPLACE "/" "_" target "sb_${name}")
    if(files)
        add_library(${target} STATIC ${files})
        target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
        sb_warnings(${target})
        foreach(dep IN LISTS ARG_DEPENDS)
            target_link_libraries(${target} PUBLIC sb_${dep})
        endforeach()
    else()
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR}/src)
        foreach(dep IN LISTS ARG_DEPENDS)
            target_link_libraries(${target} INTERFACE sb_${dep})
        endforeach()
    endif()
    set_property(GLOBAL APPEND PROPERTY SB_CORE_MODULES ${name})
endfunction()
