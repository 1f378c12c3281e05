# The hardening a Debian build gives its programs (dpkg-buildflags): checked string and memory
# functions, a guard on every stack frame that holds an array, relocations made read-only at
# start, and a position-independent executable.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
# The checked functions need the optimiser, which a debug build goes without.
add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
add_link_options(LINKER:-z,relro,-z,now)
