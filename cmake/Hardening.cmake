# Debian's hardening flags, as dpkg-buildflags gives them for every package:
# _FORTIFY_SOURCE, the stack protector, full RELRO and binding at load time.
# The optimisation, debug and path-mapping flags stay the build type's.
# Sanitized and fuzzing builds go without: their runtimes bring their own checks.
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
set(hardening_default OFF)
if(DPKG_BUILDFLAGS AND NOT TALLIMARK_SANITIZE AND NOT TALLIMARK_FUZZ)
    set(hardening_default ON)
endif()
option(TALLIMARK_HARDENING "Build with the hardening flags of dpkg-buildflags" ${hardening_default})

function(tallimark_buildflags variable out)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${DPKG_BUILDFLAGS} --get ${variable}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^-(g|O[0-9s]?|ffile-prefix-map=.*)$")
    set(${out} ${flags} PARENT_SCOPE)
endfunction()

if(TALLIMARK_HARDENING)
    if(NOT DPKG_BUILDFLAGS)
        message(FATAL_ERROR "TALLIMARK_HARDENING needs dpkg-buildflags (dpkg-dev)")
    endif()
    tallimark_buildflags(CPPFLAGS cppflags)
    tallimark_buildflags(CXXFLAGS cxxflags)
    tallimark_buildflags(LDFLAGS ldflags)
    add_compile_options(${cppflags} ${cxxflags})
    add_link_options(${ldflags})
    message(STATUS "Hardening: ${cppflags} ${cxxflags} ${ldflags}")
endif()
