# Warnings are errors-in-waiting: both builds keep them at zero.
add_compile_options(-Wall -Wextra)

if(TARVEL_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

if(TARVEL_FUZZ)
    # Everything the drivers reach is instrumented for coverage and checked by the sanitizers; only the
    # drivers link the fuzzer's main. A long campaign of a driver whose own checks find what matters (the
    # settings round trip) may drop AddressSanitizer for speed: TARVEL_FUZZ_SANITIZERS=undefined.
    set(TARVEL_FUZZ_SANITIZERS "address,undefined" CACHE STRING "Sanitizers of the fuzz drivers")
    add_compile_options(-fsanitize=fuzzer-no-link,${TARVEL_FUZZ_SANITIZERS} -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined
                        -fsanitize-coverage-ignorelist=${CMAKE_CURRENT_LIST_DIR}/FuzzCoverageIgnorelist.txt)
    add_link_options(-fsanitize=${TARVEL_FUZZ_SANITIZERS})
endif()

if(WIN32)
    # The host loads a 32-bit DLL that must need nothing but Windows itself.
    add_link_options(-static-libgcc -static-libstdc++ -static)
    # SSE2 arithmetic instead of the x87 unit: doubles are rounded to 64 bits at every step, so both
    # builds compute the same digits (x87's 80-bit intermediates would change the last ones).
    add_compile_options(-msse2 -mfpmath=sse)
    add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
else()
    add_compile_options(-fvisibility=hidden)
endif()

# Makes a shared library whose file name carries no "lib" prefix on Linux (TarvelPlugin.so,
# Tarvel31371720.so), as the plug-in and the host look the files up by that name.
function(tarvel_shared_library_naming target)
    set_target_properties(${target} PROPERTIES PREFIX "")
endfunction()
