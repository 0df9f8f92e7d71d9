#include "backends/headless/script.h"

#include <charconv>
#include <map>

namespace quorlen::headless {

namespace {

struct Word {
  std::string text;
  bool quoted = false;
};

Result<std::vector<Word>> splitWords(const std::string& line) {
  std::vector<Word> words;
  std::size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
      ++i;
      continue;
    }
    Word word;
    if (line[i] == '"') {
      word.quoted = true;
      ++i;
      bool closed = false;
      while (i < line.size()) {
        const char c = line[i++];
        if (c == '\\' && i < line.size()) {
          word.text += line[i++];
        } else if (c == '"') {
          closed = true;
          break;
        } else {
          word.text += c;
        }
      }
      if (!closed) return makeError(ErrorKind::Invalid, "a text is not closed");
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') word.text += line[i++];
    }
    words.push_back(std::move(word));
  }
  return words;
}

std::optional<int> number(const std::string& text) {
  int value = 0;
  auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<ui::MouseButton> buttonNamed(const std::string& word) {
  if (word == "left") return ui::MouseButton::Left;
  if (word == "right") return ui::MouseButton::Right;
  if (word == "middle") return ui::MouseButton::Middle;
  return std::nullopt;
}

Error bad(const std::string& why) { return makeError(ErrorKind::Invalid, why); }

}  // namespace

Result<ControlName> parseControlName(const std::string& word) {
  ControlName name;
  name.text = word;
  const auto dot = word.find('.');
  name.window = word.substr(0, dot);
  if (name.window.empty()) return bad("no window in " + word);
  if (dot == std::string::npos) return name;
  std::string rest = word.substr(dot + 1);
  const auto open = rest.find('(');
  if (open != std::string::npos) {
    if (rest.back() != ')') return bad("bad index in " + word);
    auto index = number(rest.substr(open + 1, rest.size() - open - 2));
    if (!index) return bad("bad index in " + word);
    name.index = *index;
    rest = rest.substr(0, open);
  }
  if (rest.empty()) return bad("no control in " + word);
  name.control = rest;
  return name;
}

Result<ScriptCommand> parseScriptLine(const std::string& line, int lineNumber) {
  auto split = splitWords(line);
  if (!split) return split.error();
  const std::vector<Word>& w = split.value();
  using K = ScriptCommand::Kind;
  static const std::map<std::string, K> kKinds = {
      {"click", K::Click},         {"click-at", K::ClickAt},        {"dblclick", K::DblClick},
      {"select", K::Select},       {"type", K::Type},               {"key", K::Key},
      {"drag", K::Drag},           {"menu", K::Menu},               {"answer", K::Answer},
      {"media-end", K::MediaEnd},  {"wait", K::Wait},               {"dump", K::Dump},
      {"delete", K::Delete},       {"fail-writes", K::FailWrites},  {"fail-removes", K::FailRemoves},
  };
  auto kind = kKinds.find(w[0].text);
  if (w[0].quoted || kind == kKinds.end()) return bad("unknown command " + w[0].text);
  ScriptCommand c;
  c.kind = kind->second;
  c.line = lineNumber;
  const std::size_t n = w.size();
  auto control = [&](std::size_t at, ControlName& into) -> Result<void> {
    if (at >= n || w[at].quoted) return bad(w[0].text + " needs a control");
    auto parsed = parseControlName(w[at].text);
    if (!parsed) return parsed.error();
    into = parsed.value();
    return {};
  };
  auto quotedText = [&](std::size_t at) -> Result<std::string> {
    if (at >= n || !w[at].quoted) return bad(w[0].text + " needs a text in double quotes");
    return w[at].text;
  };
  auto wantCount = [&](std::size_t low, std::size_t high) -> Result<void> {
    if (n < low || n > high) return bad("wrong number of words for " + w[0].text);
    return {};
  };

  switch (c.kind) {
    case K::Click:
    case K::Menu: {
      if (auto r = wantCount(2, c.kind == K::Click ? 3 : 2); !r) return r.error();
      if (auto r = control(1, c.target); !r) return r.error();
      if (n == 3) {
        auto b = buttonNamed(w[2].text);
        if (!b) return bad("unknown button " + w[2].text);
        c.button = *b;
      }
      return c;
    }
    case K::ClickAt: {
      if (auto r = wantCount(4, 5); !r) return r.error();
      if (auto r = control(1, c.target); !r) return r.error();
      auto x = number(w[2].text);
      auto y = number(w[3].text);
      if (!x || !y) return bad("click-at needs pixel numbers");
      c.x = *x;
      c.y = *y;
      if (n == 5) {
        auto b = buttonNamed(w[4].text);
        if (!b) return bad("unknown button " + w[4].text);
        c.button = *b;
      }
      return c;
    }
    case K::DblClick: {
      if (auto r = wantCount(2, 3); !r) return r.error();
      if (auto r = control(1, c.target); !r) return r.error();
      if (n == 3) {
        auto t = quotedText(2);
        if (!t) return t.error();
        c.text = t.value();
      }
      return c;
    }
    case K::Select:
    case K::Type: {
      if (auto r = wantCount(3, 3); !r) return r.error();
      if (auto r = control(1, c.target); !r) return r.error();
      auto t = quotedText(2);
      if (!t) return t.error();
      c.text = t.value();
      return c;
    }
    case K::Key: {
      if (auto r = wantCount(3, 3); !r) return r.error();
      if (auto r = control(1, c.target); !r) return r.error();
      auto code = number(w[2].text);
      if (!code) return bad("key needs a key code");
      c.number = *code;
      return c;
    }
    case K::Drag: {
      if (auto r = wantCount(3, 3); !r) return r.error();
      if (auto r = control(1, c.target); !r) return r.error();
      if (auto r = control(2, c.other); !r) return r.error();
      return c;
    }
    case K::Answer: {
      if (auto r = wantCount(2, 2); !r) return r.error();
      static const char* kAnswers[] = {"ok", "cancel", "yes", "no", "retry", "ignore", "abort"};
      for (const char* a : kAnswers) {
        if (w[1].text == a) {
          c.answer = a;
          return c;
        }
      }
      return bad("unknown answer " + w[1].text);
    }
    case K::MediaEnd: {
      if (auto r = wantCount(1, 2); !r) return r.error();
      if (n == 2) c.text = w[1].text;
      return c;
    }
    case K::Wait: {
      if (auto r = wantCount(2, 2); !r) return r.error();
      auto ms = number(w[1].text);
      if (!ms || *ms < 0) return bad("wait needs milliseconds");
      c.number = *ms;
      return c;
    }
    case K::Dump: {
      if (auto r = wantCount(1, 1); !r) return r.error();
      return c;
    }
    case K::Delete:
    case K::FailRemoves: {
      if (auto r = wantCount(2, 2); !r) return r.error();
      auto t = quotedText(1);
      if (!t) return t.error();
      c.text = t.value();
      return c;
    }
    case K::FailWrites: {
      if (auto r = wantCount(1, 2); !r) return r.error();
      if (n == 2 && w[1].text == "off") {
        c.off = true;
        return c;
      }
      if (n == 2) {
        auto bytes = number(w[1].text);
        if (!bytes || *bytes < 0) return bad("fail-writes needs a number of bytes or off");
        c.number = *bytes;
      }
      return c;
    }
  }
  return bad("unknown command");
}

Script::Script(std::istream& in) {
  std::string line;
  while (std::getline(in, line)) lines_.push_back(line);
}

void Script::skipEmpty() {
  while (next_ < lines_.size()) {
    const std::string& line = lines_[next_];
    const auto first = line.find_first_not_of(" \t\r");
    if (first != std::string::npos && line[first] != '#') return;
    ++next_;
  }
}

std::optional<ScriptCommand> Script::peek() {
  if (peeked_) return peeked_;
  if (error_) return std::nullopt;
  skipEmpty();
  if (next_ >= lines_.size()) return std::nullopt;
  const int number = static_cast<int>(next_) + 1;
  auto parsed = parseScriptLine(lines_[next_], number);
  if (!parsed) {
    error_ = ScriptError{number, parsed.error().detail};
    return std::nullopt;
  }
  peeked_ = parsed.value();
  return peeked_;
}

void Script::take() {
  if (!peeked_) return;
  peeked_.reset();
  ++next_;
}

}  // namespace quorlen::headless
