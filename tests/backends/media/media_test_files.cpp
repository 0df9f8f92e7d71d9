#include "backends/media/media_test_files.h"

namespace quorlen::testing {
namespace {

void putLittle(std::string& out, std::uint32_t value, int count) {
  for (int i = 0; i < count; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFU));
}

void putBig(std::string& out, std::uint32_t value, int count) {
  for (int i = count - 1; i >= 0; --i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFU));
}

}  // namespace

std::string bytes(std::initializer_list<int> values) {
  std::string out;
  for (const int value : values) out.push_back(static_cast<char>(value));
  return out;
}

std::string riffChunk(std::string_view id, std::string_view data) {
  std::string out(id);
  putLittle(out, static_cast<std::uint32_t>(data.size()), 4);
  out += data;
  if (data.size() % 2 != 0) out.push_back('\0');
  return out;
}

std::string riffFile(std::string_view form, const std::vector<std::string>& chunks) {
  std::string body(form);
  for (const std::string& chunk : chunks) body += chunk;
  std::string out = "RIFF";
  putLittle(out, static_cast<std::uint32_t>(body.size()), 4);
  return out + body;
}

std::string waveFile(std::uint32_t byteRate, std::uint32_t dataBytes) {
  std::string format;
  putLittle(format, 1, 2);         // PCM
  putLittle(format, 1, 2);         // mono
  putLittle(format, byteRate, 4);  // sample rate: one byte per sample
  putLittle(format, byteRate, 4);
  putLittle(format, 1, 2);         // block align
  putLittle(format, 8, 2);         // bits per sample
  return riffFile("WAVE", {riffChunk("fmt ", format), riffChunk("data", std::string(dataBytes, '\x80'))});
}

std::string aviFile(std::uint32_t microsecondsPerFrame, std::uint32_t frames) {
  std::string header;
  putLittle(header, microsecondsPerFrame, 4);
  putLittle(header, 0, 4);  // max bytes per second
  putLittle(header, 0, 4);  // padding granularity
  putLittle(header, 0, 4);  // flags
  putLittle(header, frames, 4);
  header.append(36, '\0');  // initial frames .. reserved
  const std::string headerList = riffChunk("LIST", "hdrl" + riffChunk("avih", header));
  const std::string movieList = riffChunk("LIST", "movi");
  // A junk chunk first: the header list is found wherever it stands.
  return riffFile("AVI ", {riffChunk("JUNK", "xyz"), headerList, movieList});
}

std::string midiFile(std::uint16_t division, const std::vector<std::string>& tracks) {
  std::string out = "MThd";
  putBig(out, 6, 4);
  putBig(out, 1, 2);
  putBig(out, static_cast<std::uint32_t>(tracks.size()), 2);
  putBig(out, division, 2);
  for (const std::string& track : tracks) {
    out += "MTrk";
    putBig(out, static_cast<std::uint32_t>(track.size()), 4);
    out += track;
  }
  return out;
}

}  // namespace quorlen::testing
