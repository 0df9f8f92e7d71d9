#include "backends/headless/headless_platform.h"

namespace quorlen::headless {

HeadlessPlatform::HeadlessPlatform(const MachineOptions& options, std::istream& script, std::ostream& transcript)
    : transcript_(transcript),
      script_(script),
      clock_(options.clockSeconds),
      disk_(options.gameFolder),
      files_(disk_),
      devices_(files_),
      interpreter_(devices_),
      media_(transcript_, interpreter_),
      display_(transcript_, options.displayWidth, options.displayHeight, options.fontHeight,
               options.refuseDisplayChange),
      settings_(transcript_, options.settingsFile),
      shell_(transcript_),
      ui_(transcript_, clock_, files_, script_),
      platform_{ui_, media_, display_, settings_, shell_, files_, clock_} {}

void HeadlessPlatform::endMedia(const std::optional<std::string>& word) { interpreter_.endScripted(word); }

}  // namespace quorlen::headless
