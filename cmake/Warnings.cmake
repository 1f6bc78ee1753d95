# Warnings are errors for everything the project compiles itself.
function(sb_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror -Wno-unused-parameter)
endfunction()
