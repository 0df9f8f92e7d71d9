# The Debian packages the project builds with, and a helper that installs
# the missing ones (and only those).
BUILD_PACKAGES=(cmake ninja-build g++ pkg-config googletest libgtest-dev libgmock-dev nlohmann-json3-dev)
# The man pages are written for scdoc, which makes them at build time.
BUILD_PACKAGES+=(scdoc)
# The desktop player: SDL2 with its image, font and mixer libraries, FFmpeg
# for videos, fontconfig with metric-compatible fonts, a General MIDI sound
# font, and Xvfb with a window manager for the tests of the input path.
# fonts-liberation and timgm6mb-soundfont are named because installing
# without recommended packages would leave them out.
PLAYER_PACKAGES=(libsdl2-dev libsdl2-image-dev libsdl2-ttf-dev libsdl2-mixer-dev libavformat-dev libavcodec-dev
                 libswscale-dev libswresample-dev libavutil-dev libfontconfig-dev fonts-liberation
                 timgm6mb-soundfont xvfb openbox xdotool)
# Pictures SDL_image does not read the platform's way: CMYK JPEGs (libjpeg),
# WMF (libwmf, whose text takes the URW fonts) and EMF (libemf2svg, drawn by
# librsvg with cairo).
PLAYER_PACKAGES+=(libjpeg-dev libwmf-dev fonts-urw-base35 libemf2svg-dev librsvg2-dev libcairo2-dev)
# The tests of the desktop player also make their videos with the ffmpeg
# program and ask the X server which pointer it shows.
TEST_PACKAGES=(ffmpeg libx11-dev libxfixes-dev)
# The test sounds, music and pictures are made by scripts with ffmpeg,
# Python and ImageMagick.
TEST_PACKAGES+=(python3 imagemagick)
# The benchmarks use Google Benchmark.
TEST_PACKAGES+=(libbenchmark-dev)
# The packaging tests validate the desktop entry and the AppStream file and
# build the .deb (dpkg-shlibdeps finds its dependencies).
TEST_PACKAGES+=(desktop-file-utils appstream dpkg-dev)
# The fuzz targets are built with clang and its libFuzzer; the mutation
# driver of whole games is a Python script.
TEST_PACKAGES+=(clang libclang-rt-14-dev python3)

install_missing_packages() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
}
