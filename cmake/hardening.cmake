# SPDX-License-Identifier: GPL-3.0-or-later
# The hardening Debian's dpkg-buildflags gives a package (hardening=+all):
# stack protector, fortified string and memory functions, read-only
# relocations bound at start, a position-independent executable.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
add_link_options(-Wl,-z,relro -Wl,-z,now)
# Fortifying needs the optimiser, and would hide from the sanitizers the very
# calls they check.
if(NOT ZEFIRANT_SANITIZE AND NOT ZEFIRANT_FUZZ)
    add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
endif()
