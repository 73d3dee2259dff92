# Sourced by ./dev: the libraries of the browser build, each built with emcc from its Debian source package
# into a cache that later runs reuse. apt-get works from a configuration of its own in the cache folder, with
# deb-src lines made from the machine's sources; the machine's own apt state is never touched.

# web_apt_setup FOLDER: writes FOLDER/apt.conf and its sources list, state and cache folders.
web_apt_setup() {
    local folder=$1 file
    mkdir -p "$folder/state/lists/partial" "$folder/cache/archives/partial" "$folder/sources.list.d"
    : >"$folder/state/status"
    {
        # One-line sources, then deb822 stanzas; only the Debian archives, which publish their sources.
        for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
            [ -f "$file" ] || continue
            sed -n 's/^[[:space:]]*deb[[:space:]]\+\(.*debian.*\)$/deb-src \1/p' "$file"
        done
    } >"$folder/sources.list"
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] || continue
        awk -v RS= -v ORS='\n\n' '/^Types:[^\n]*deb/ && /URIs:[^\n]*debian/ {
            sub(/Types:[^\n]*/, "Types: deb-src"); print }' "$file" >"$folder/sources.list.d/$(basename "$file")"
    done
    cat >"$folder/apt.conf" <<CONF
Dir::State "$folder/state";
Dir::State::status "$folder/state/status";
Dir::Cache "$folder/cache";
Dir::Etc::SourceList "$folder/sources.list";
Dir::Etc::SourceParts "$folder/sources.list.d";
APT::Sandbox::User "root";
CONF
}

# web_fetch_source FOLDER PACKAGE: the unpacked source of PACKAGE; its folder's path on standard output.
web_fetch_source() {
    local folder=$1 package=$2 unpacked
    unpacked=$(find "$folder/sources/$package" -mindepth 1 -maxdepth 1 -type d 2>/dev/null | head -1)
    if [ -z "$unpacked" ]; then
        mkdir -p "$folder/sources/$package"
        (cd "$folder/sources/$package" && APT_CONFIG="$folder/apt/apt.conf" apt-get source -q "$package" >&2)
        unpacked=$(find "$folder/sources/$package" -mindepth 1 -maxdepth 1 -type d | head -1)
    fi
    echo "$unpacked"
}

# web_cmake_library FOLDER PACKAGE CMAKE-OPTIONS...: configures, builds and installs one library into the
# cache's prefix, unless an earlier run did.
web_cmake_library() {
    local folder=$1 package=$2 source
    shift 2
    [ -f "$folder/built/$package" ] && return
    source=$(web_fetch_source "$folder" "$package")
    echo "dev: building $package for the browser"
    local log="$folder/work/$package.log"
    rm -rf "$folder/work/$package" && mkdir -p "$folder/work"
    if ! { emcmake cmake -S "$source" -B "$folder/work/$package" -DCMAKE_BUILD_TYPE=Release \
               -DCMAKE_INSTALL_PREFIX="$folder/prefix" -DCMAKE_FIND_ROOT_PATH="$folder/prefix" \
               -DBUILD_SHARED_LIBS=OFF "$@" &&
           cmake --build "$folder/work/$package" -j"$(nproc)" &&
           cmake --install "$folder/work/$package"; } >"$log" 2>&1; then
        tail -n 30 "$log" >&2
        echo "dev: building $package failed; all of it is in $log" >&2
        return 1
    fi
    mkdir -p "$folder/built" && touch "$folder/built/$package"
}

# web_libraries FOLDER: SDL2 (its browser video and audio), SDL2_mixer (WAV and Ogg through its own decoders)
# and FreeType, in FOLDER/prefix.
web_libraries() {
    local folder=$1
    if [ ! -f "$folder/apt/updated" ]; then
        web_apt_setup "$folder/apt"
        APT_CONFIG="$folder/apt/apt.conf" apt-get update -q
        touch "$folder/apt/updated"
    fi
    web_cmake_library "$folder" libsdl2 -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL_THREADS=OFF
    web_cmake_library "$folder" freetype -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON \
        -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON
    web_cmake_library "$folder" libsdl2-mixer -DSDL2MIXER_SAMPLES=OFF -DSDL2MIXER_DEPS_SHARED=OFF \
        -DSDL2MIXER_VORBIS=STB -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MOD=OFF -DSDL2MIXER_MP3=OFF \
        -DSDL2MIXER_MIDI=OFF -DSDL2MIXER_OPUS=OFF -DSDL2_DIR="$folder/prefix/lib/cmake/SDL2"
}
