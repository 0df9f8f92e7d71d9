#pragma once
// Owners of the FFmpeg objects a video holds, one type per kind of object,
// each freed the way that library wants it freed.

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <memory>

namespace quorlen::sdl {

struct FormatContextClose {
  void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
using FormatContextHandle = std::unique_ptr<AVFormatContext, FormatContextClose>;

struct CodecContextFree {
  void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
using CodecContextHandle = std::unique_ptr<AVCodecContext, CodecContextFree>;

struct FrameFree {
  void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
using FrameHandle = std::unique_ptr<AVFrame, FrameFree>;

struct PacketFree {
  void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
using PacketHandle = std::unique_ptr<AVPacket, PacketFree>;

struct ScalerFree {
  void operator()(SwsContext* context) const { sws_freeContext(context); }
};
using ScalerHandle = std::unique_ptr<SwsContext, ScalerFree>;

struct ResamplerFree {
  void operator()(SwrContext* context) const { swr_free(&context); }
};
using ResamplerHandle = std::unique_ptr<SwrContext, ResamplerFree>;

}  // namespace quorlen::sdl
