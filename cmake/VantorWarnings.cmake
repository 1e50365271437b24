# One interface target carries the warning flags every Vantor target compiles with.
add_library(vantor_warnings INTERFACE)
target_compile_options(vantor_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
    -Wimplicit-fallthrough -Wnull-dereference)
if(VANTOR_WERROR)
    target_compile_options(vantor_warnings INTERFACE -Werror)
endif()
if(VANTOR_SANITIZE)
    target_compile_options(vantor_warnings INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(vantor_warnings INTERFACE -fsanitize=address,undefined)
endif()
