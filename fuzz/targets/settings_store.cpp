// The settings file: parsed, read, written with names and values taken
// from the input, written out and parsed again; what was written reads back.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "backends/shared/settings/ini_settings_store.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using quorlen::backends::IniSettingsStore;
  const std::string text(reinterpret_cast<const char*>(data), size);
  IniSettingsStore store(std::nullopt);
  store.parse(text);
  // The first line of the input is a section name, as a game key is.
  const std::string section = text.substr(0, text.find('\n'));
  (void)store.read("Games", section, "ChangeResolution");
  (void)store.write("Games", section, "ChangeResolution", "1");
  (void)store.write("Games", "Other", "ChangeResolution", "0");
  IniSettingsStore again(std::nullopt);
  again.parse(store.text());
  (void)again.read("Games", section, "ChangeResolution");
  (void)again.text();
  return 0;
}
