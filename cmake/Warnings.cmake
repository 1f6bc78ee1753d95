# Warnings are errors for everything the project compiles itself.
function(sb_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror -Wno-unused-parameter)
    # GCC 12 at -O2/-O3 reports impossible overlaps inside std::string's
    # operator+ (a known false positive of its -Wrestrict); it stops Release
    # builds of correct code.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
endfunction()
