// The entry of the media module (desktop_media.h): the only symbol it shows.

#include <exception>
#include <type_traits>

#include "backends/sdl/desktop_media.h"
#include "backends/sdl/media/sdl_media_devices.h"
#include "backends/sdl/module_entry.h"

QUORLEN_MODULE_ENTRY quorlen::sdl::DesktopMediaDevices* quorlen_make_media_devices(
    quorlen::platform::FileSystem& files, quorlen::sdl::CodecsSource& codecs) {
  try {
    return new quorlen::sdl::SdlMediaDeviceFactory(files, codecs);
  } catch (const std::exception&) {
    return nullptr;
  }
}

static_assert(std::is_same_v<decltype(&quorlen_make_media_devices), quorlen::sdl::MakeMediaDevices>,
              "the entry has the type the player calls it with");
