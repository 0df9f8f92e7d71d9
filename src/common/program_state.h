#pragma once
// The program-wide records: the folder paths, the project information, the
// record of the frame on display and the display size noted before a switch
// to 640 x 480. One instance lives for the whole run, owned by the program.

#include <cstdint>
#include <string>

namespace quorlen {

struct GamePaths {
  std::string GameFolder;  // always ends in one separator
  std::string FramesPath;
  std::string AreasPath;
  std::string IconsPath;
  std::string ConfigPath;
};

struct ProjectInfo {
  std::string GameKey;
  std::string GameTitle;
  std::string StartFrame;
  std::string GameVersion;
  std::int16_t GameWidth = 0;
  std::int16_t GameHeight = 0;
  std::string GameAuthor;
  std::string AuthorEmail;
  std::string HomePage;
  std::int16_t OfferResolutionChange = 0;
};

// Booleans of the data files are kept as bool; their 16-bit form is -1/0.
struct FrameInfo {
  std::string FrameName;
  std::int16_t BackgroundType = 0;
  std::string Background;
  bool TileBackground = false;
  bool StopMusic = false;
  std::string MusicFile;
  bool HasDuration = false;
  std::int16_t Duration = 0;
  std::string NextFrame;
  std::string MovieFile;
  bool MusicAfterMovie = true;
  std::int16_t AreasCount = 0;
};

struct ProgramState {
  GamePaths paths;
  ProjectInfo project;
  FrameInfo frame;
  int SavedScreenWidth = 0;
  int SavedScreenHeight = 0;
};

}  // namespace quorlen
