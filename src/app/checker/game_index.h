#pragma once
// What the data files of a game name, walked field by field with the
// player's field reader in the order and with the kinds the player reads
// them: the frames, areas, tasks, items and combinations, the files they
// name, and the first field of each file that cannot be read.

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace quorlen::checker {

// A field that failed: its number (1 up), what it holds, and why.
struct FieldFailure {
  int number = 0;
  std::string name;
  std::string why;
};

// A file a data file names, and where.
struct NamedFile {
  std::string path;     // as the player builds it
  std::string kind;     // "picture", "cursor", "sound", "music", "video", "item file", "item icon"
  std::string namedIn;  // the data file
  std::string field;
};

struct TaskFile {
  std::string path;
  std::optional<FieldFailure> failure;
  std::string variable;          // field 2, when field 1 is set
  bool setsZero = false, setsOne = false, flips = false;
  bool disappears = false;
  bool endsGame = false;
  std::optional<std::string> goTo;  // field 13, when field 12 is set
};

struct AreaInfo {
  int number = 0;
  std::string file;
  std::optional<FieldFailure> failure;
  std::vector<std::string> mustBeZero, mustBeOne;  // lists A and B
  TaskFile click;
  std::optional<std::string> gives;  // the item of the pick file
  std::map<std::string, TaskFile> drops;  // by item name
};

struct FrameInfoIndex {
  std::string name;
  std::string file;
  std::string namedIn;  // the file and field that first names the frame; empty for a frame file found in Frames
  bool exists = false;
  std::optional<FieldFailure> failure;
  bool hasDuration = false;
  std::int16_t duration = 0;
  std::string nextFrame;
  int areasCount = 0;
  std::vector<AreaInfo> areas;
  std::map<std::string, std::optional<FieldFailure>> texts;  // text files (*.lbl) by path
};

struct Combination {
  std::string file;
  std::string dragged, target;
  std::optional<FieldFailure> failure;
  bool addsNew = false;
  std::string newItem;
};

struct GameIndex {
  std::string generalFile, variablesFile;
  std::optional<FieldFailure> generalFailure, variablesFailure;
  std::string startFrame;
  std::vector<std::string> variables;  // as the player loaded them
  std::map<std::string, FrameInfoIndex> frames;
  std::vector<Combination> combinations;
  std::map<std::string, std::optional<FieldFailure>> itemFiles;  // path -> failure
  std::vector<NamedFile> files;
  std::vector<std::string> missingFrames;  // named but without a frame file: "name\tnamed in"
};

struct IndexInput {
  std::string framesPath, areasPath, iconsPath, configPath;
  std::string startFrame;
  std::vector<std::string> variables;
};

[[nodiscard]] GameIndex indexGame(platform::FileSystem& files, const IndexInput& input);

}  // namespace quorlen::checker
