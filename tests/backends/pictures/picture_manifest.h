#pragma once
// The lists that make_pictures.py writes beside the test pictures: what a
// person sees in each picture, and in each cursor.

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace quorlen::testing {

inline std::string testPicture(const std::string& name) { return std::string(QUORLEN_TEST_PICTURES) + "/" + name; }

inline std::string fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// A point of a picture: its colour, each channel within `tolerance`; a
// channel of -1 is not checked.
struct PicturePoint {
  std::string name;
  int width = 0;
  int height = 0;
  int x = 0;
  int y = 0;
  int rgba[4] = {};
  int tolerance = 0;
};

inline std::vector<PicturePoint> picturePoints() {
  std::vector<PicturePoint> points;
  std::ifstream in(testPicture("expected.txt"));
  for (std::string line; std::getline(in, line);) {
    std::istringstream fields(line);
    PicturePoint p;
    fields >> p.name >> p.width >> p.height >> p.x >> p.y;
    for (int& channel : p.rgba) {
      std::string v;
      fields >> v;
      channel = v == "-" ? -1 : std::stoi(v);
    }
    fields >> p.tolerance;
    if (fields) points.push_back(p);
  }
  return points;
}

// A point of a cursor's image; `inverting` where the pixel inverts the screen.
struct CursorPoint {
  std::string name;
  int width = 0;
  int height = 0;
  int hotX = 0;
  int hotY = 0;
  bool monochrome = false;
  int x = 0;
  int y = 0;
  bool inverting = false;
  int rgba[4] = {};
};

inline std::vector<CursorPoint> cursorPoints() {
  std::vector<CursorPoint> points;
  std::ifstream in(testPicture("cursors.txt"));
  for (std::string line; std::getline(in, line);) {
    std::istringstream fields(line);
    CursorPoint p;
    int mono = 0;
    fields >> p.name >> p.width >> p.height >> p.hotX >> p.hotY >> mono >> p.x >> p.y;
    p.monochrome = mono != 0;
    std::string first;
    fields >> first;
    p.inverting = first == "inverting";
    if (!p.inverting) {
      p.rgba[0] = std::stoi(first);
      fields >> p.rgba[1] >> p.rgba[2] >> p.rgba[3];
    }
    if (fields || p.inverting) points.push_back(p);
  }
  return points;
}

}  // namespace quorlen::testing
