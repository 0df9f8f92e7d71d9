#pragma once
// Writes every media command and its answer into the transcript.

#include "backends/headless/transcript.h"
#include "platform/media_control.h"

namespace quorlen::headless {

class LoggingMediaControl final : public platform::MediaControl {
 public:
  LoggingMediaControl(Transcript& transcript, platform::MediaControl& media)
      : transcript_(transcript), media_(media) {}

  platform::MediaReply sendString(std::string_view command, std::size_t replyCapacity) override;

 private:
  Transcript& transcript_;
  platform::MediaControl& media_;
};

}  // namespace quorlen::headless
