# Fails when the program carries a manifest asking for an execution level: a standard user
# would then lose the registry virtualisation that keeps the settings of a 32-bit program.
# (Some mingw toolchains link such a manifest into every program unasked.)
#   cmake -DEXE=path/to/korvane.exe -P CheckNoElevationManifest.cmake
file(STRINGS "${EXE}" found REGEX "requestedExecutionLevel")
if(found)
    message(FATAL_ERROR "${EXE} carries a manifest with requestedExecutionLevel; build it with "
                        "a toolchain that adds none (Debian's mingw-w64 does not)")
endif()
