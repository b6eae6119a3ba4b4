# The Windows cross build (sourced by the scripts).
#   build_windows ARCH [TARGET...]   ARCH i686 (build/win32, the product) or x86_64 (build/win64)

build_windows() {
    local arch="$1" dir=build/win32
    shift
    [ "$arch" = x86_64 ] && dir=build/win64
    cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$(pwd)/cmake/toolchain-$arch-mingw.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$dir" -j"$(nproc)" ${1:+--target "$@"}
}
