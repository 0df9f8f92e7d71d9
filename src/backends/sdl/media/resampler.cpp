#include "backends/sdl/media/resampler.h"

namespace quorlen::sdl {

ResamplerHandle makeResampler(const AVFrame& frame, const MixerFormat& output) {
  AVChannelLayout outLayout{};
  av_channel_layout_default(&outLayout, output.channels);
  AVChannelLayout inLayout{};
  if (frame.ch_layout.order == AV_CHANNEL_ORDER_UNSPEC) {
    av_channel_layout_default(&inLayout, frame.ch_layout.nb_channels);
  } else if (av_channel_layout_copy(&inLayout, &frame.ch_layout) < 0) {
    return nullptr;
  }
  SwrContext* raw = nullptr;
  const int made = swr_alloc_set_opts2(&raw, &outLayout, AV_SAMPLE_FMT_S16, output.frequency, &inLayout,
                                       static_cast<AVSampleFormat>(frame.format), frame.sample_rate, 0, nullptr);
  av_channel_layout_uninit(&inLayout);
  av_channel_layout_uninit(&outLayout);
  ResamplerHandle resampler(raw);
  if (made < 0 || swr_init(resampler.get()) < 0) return nullptr;
  return resampler;
}

}  // namespace quorlen::sdl
