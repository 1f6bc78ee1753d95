# The Qt program shell: every window class of every subsystem folder, plus
# src/ui/, built into one library that the program and the window tests link.

set(shell_files "")
file(GLOB shell_folders LIST_DIRECTORIES true ${PROJECT_SOURCE_DIR}/src/*)
foreach(folder IN LISTS shell_folders)
    get_filename_component(name ${folder} NAME)
    if(IS_DIRECTORY ${folder} AND NOT name MATCHES "^(cli|setup)$")
        sb_shell_files(files ${name})
        list(APPEND shell_files ${files})
    endif()
endforeach()

add_library(sb_shell STATIC ${shell_files} ${PROJECT_SOURCE_DIR}/data/savorbridge.qrc)
set_target_properties(sb_shell PROPERTIES AUTOMOC ON AUTORCC ON)
target_include_directories(sb_shell PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(sb_shell PUBLIC sb_core Qt6::Widgets Qt6::WebEngineWidgets Qt6::Network Qt6::PrintSupport
    Qt6::Svg)
sb_warnings(sb_shell)

add_executable(Savorbridge ${PROJECT_SOURCE_DIR}/src/app/main.cpp)
target_link_libraries(Savorbridge PRIVATE sb_shell)
sb_warnings(Savorbridge)
add_dependencies(Savorbridge sb_data)
install(TARGETS Savorbridge RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
