# Warnings, floating-point discipline and sanitizers shared by every target.

add_library(rowsweep_compile_options INTERFACE)
add_library(Rowsweep::compile_options ALIAS rowsweep_compile_options)

target_compile_options(rowsweep_compile_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
    # Each row operation forms its product or quotient as a double first;
    # a fused multiply-add would change the residues the user sees.
    -ffp-contract=off
    $<$<BOOL:${ROWSWEEP_WERROR}>:-Werror>)

# Debian's hardening: position-independent executables, full RELRO, the
# stack protector, and fortified library calls where the optimiser allows.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
target_compile_options(rowsweep_compile_options INTERFACE
    -fstack-protector-strong
    $<$<AND:$<NOT:$<CONFIG:Debug>>,$<NOT:$<BOOL:${ROWSWEEP_SANITIZE}>>>:-D_FORTIFY_SOURCE=2>)
target_link_options(rowsweep_compile_options INTERFACE -Wl,-z,relro -Wl,-z,now)

if(ROWSWEEP_SANITIZE)
    set(_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_compile_options(rowsweep_compile_options INTERFACE ${_sanitizers})
    target_link_options(rowsweep_compile_options INTERFACE ${_sanitizers})
endif()
