#include "app/checker/solver.h"

#include <chrono>
#include <deque>
#include <exception>
#include <map>

#include "app/checker/state_store.h"

namespace quorlen::checker {

namespace {

using Clock = std::chrono::steady_clock;

std::string describe(const Action& a, const GameState& from) {
  switch (a.kind) {
    case Action::Kind::Click: return "click area " + std::to_string(a.a) + " of " + from.frame;
    case Action::Kind::Drop:
      return "drop " + from.items.at(static_cast<std::size_t>(a.a) - 1) + " on area " + std::to_string(a.b) +
             " of " + from.frame;
    case Action::Kind::Combine:
      return "drop " + from.items.at(static_cast<std::size_t>(a.a) - 1) + " on " +
             from.items.at(static_cast<std::size_t>(a.b) - 1) + " (combination file " +
             from.items.at(static_cast<std::size_t>(a.a) - 1) + "_on_" +
             from.items.at(static_cast<std::size_t>(a.b) - 1) + ".drg)";
    case Action::Kind::Wait: return "wait for the timer of " + from.frame;
  }
  return {};
}

class Search {
 public:
  Search(const std::string& folder, const SolveOptions& options) : session_(folder), options_(options) {}

  SolveResult run() {
    const auto started = Clock::now();
    Outcome start = session_.startNewGame();
    startLines_ = start.happened.scriptLines;
    noteMessages(start.happened, StateStore::kNone, std::nullopt);
    if (start.ended) {
      result_.ends.push_back({"", "the start", wayTo(StateStore::kNone, std::nullopt)});
      result_.complete = true;
      return finish(started);
    }
    initial_ = session_.state();
    add(initial_, StateStore::kNone, Action{});
    auto lastReport = Clock::now();
    std::uint32_t explored = 0;
    bool stopped = false;
    for (; explored < store_.size() && !stopped; ++explored) {
      if ((explored & 63) == 0 && options_.progress && Clock::now() - lastReport > std::chrono::seconds(1)) {
        lastReport = Clock::now();
        const double secs = std::chrono::duration<double>(lastReport - started).count();
        options_.progress(store_.size(), explored, store_.size() / secs);
      }
      stopped = !expand(explored);
    }
    result_.complete = !stopped && explored == store_.size() && !result_.fault;
    return finish(started);
  }

 private:
  // False when the bound is reached.
  bool expand(std::uint32_t id) {
    const GameState state = codec_.decode(store_.bytes(id));
    std::vector<Action> actions;
    try {
      session_.restore(state);
      actions = session_.actions();
    } catch (const std::exception& e) {
      fail(e.what(), id, std::nullopt);
      return true;
    }
    result_.framesReached.insert(state.frame);
    for (const Action& a : actions) {
      if (a.kind == Action::Kind::Click) result_.shownAreas.emplace(state.frame, a.a);
    }
    bool first = true;
    for (const Action& a : actions) {
      Outcome out;
      try {
        if (!first) session_.restore(state);
        first = false;
        out = session_.perform(a);
      } catch (const std::exception& e) {
        fail(e.what(), id, a);
        first = false;
        continue;
      } catch (const ui::ProgramEnded&) {
        fail("the program ended", id, a);
        return false;
      }
      ++result_.inputs;
      noteMessages(out.happened, id, a);
      if (out.ended) {
        const std::string key = state.frame + "\n" + out.happened.scriptLines.front();
        reachesEnd_.push_back(id);
        if (endsSeen_.insert(key).second) {
          result_.ends.push_back({state.frame, describe(a, state), wayTo(id, a)});
          session_.restore(state);
        }
        continue;
      }
      const auto [next, added] = store_.insert(codec_.encode(session_.state()));
      if (added) {
        parent_.push_back(id);
        via_.push_back(a);
      }
      edges_.emplace_back(id, next);
      if (added && store_.size() >= options_.maxStates) return false;
    }
    return true;
  }

  void add(const GameState& state, std::uint32_t from, Action a) {
    (void)store_.insert(codec_.encode(state));
    parent_.push_back(from);
    via_.push_back(a);
  }

  void fail(const std::string& why, std::uint32_t id, std::optional<Action> a) {
    if (!result_.fault) result_.fault = why + " (after: " + joinSteps(wayTo(id, a)) + ")";
  }

  static std::string joinSteps(const Way& way) {
    std::string out;
    for (const std::string& s : way.steps) out += (out.empty() ? "" : "; ") + s;
    return out.empty() ? "the start" : out;
  }

  void noteMessages(const Happenings& happened, std::uint32_t id, std::optional<Action> a) {
    for (const ShownMessage& m : happened.messages) {
      if (m.icon != "exclamation" && m.icon != "critical") continue;
      const std::string key = m.title + "\n" + m.text + "\n" + m.file;
      if (!messagesSeen_.insert(key).second) continue;
      pendingMessages_.push_back({m, id, a});
    }
  }

  // Plays the way to `id` (and the input `last` from there) again and
  // writes it down.
  Way wayTo(std::uint32_t id, std::optional<Action> last) {
    std::vector<Action> path;
    for (std::uint32_t at = id; at != StateStore::kNone && parent_[at] != StateStore::kNone; at = parent_[at]) {
      path.push_back(via_[at]);
    }
    Way way;
    way.script = startLines_;
    way.steps.push_back("start a new game");
    if (id == StateStore::kNone) return way;
    std::vector<Action> inputs(path.rbegin(), path.rend());
    if (last) inputs.push_back(*last);
    GameState at = initial_;
    for (const Action& a : inputs) {
      session_.restore(at);
      way.steps.push_back(describe(a, at));
      Outcome out = session_.perform(a);
      way.script.insert(way.script.end(), out.happened.scriptLines.begin(), out.happened.scriptLines.end());
      if (out.ended) break;
      at = session_.state();
    }
    return way;
  }

  void findDeadEnds() {
    const std::uint32_t n = store_.size();
    std::vector<std::uint32_t> start(n + 1, 0);
    for (const auto& [from, to] : edges_) ++start[to + 1];
    for (std::uint32_t i = 0; i < n; ++i) start[i + 1] += start[i];
    std::vector<std::uint32_t> into(edges_.size());
    std::vector<std::uint32_t> fill(start.begin(), start.end() - 1);
    for (const auto& [from, to] : edges_) into[fill[to]++] = from;
    std::vector<bool> canEnd(n, false);
    std::deque<std::uint32_t> queue;
    for (std::uint32_t id : reachesEnd_) {
      if (!canEnd[id]) {
        canEnd[id] = true;
        queue.push_back(id);
      }
    }
    while (!queue.empty()) {
      const std::uint32_t id = queue.front();
      queue.pop_front();
      for (std::uint32_t k = start[id]; k < start[id + 1]; ++k) {
        if (!canEnd[into[k]]) {
          canEnd[into[k]] = true;
          queue.push_back(into[k]);
        }
      }
    }
    std::set<std::string> fatalInputs;
    for (std::uint32_t id = 0; id < n; ++id) {
      if (canEnd[id]) continue;
      ++result_.deadStates;
      // Only the first dead state on each shortest way is reported.
      if (parent_[id] != StateStore::kNone && !canEnd[parent_[id]]) continue;
      // and only the first of those entered by the same input.
      std::string fatal = "the start";
      if (parent_[id] != StateStore::kNone) fatal = describe(via_[id], codec_.decode(store_.bytes(parent_[id])));
      if (!fatalInputs.insert(fatal).second) continue;
      if (result_.deadEnds.size() >= options_.mostDeadEnds) continue;
      const GameState s = codec_.decode(store_.bytes(id));
      result_.deadEnds.push_back({s.frame, s.items, fatal, wayTo(id, std::nullopt)});
    }
  }

  SolveResult finish(Clock::time_point started) {
    result_.seconds = std::chrono::duration<double>(Clock::now() - started).count();
    result_.states = store_.size();
    result_.memoryBytes = store_.memoryBytes() + edges_.capacity() * sizeof(edges_[0]) +
                          parent_.capacity() * sizeof(std::uint32_t) + via_.capacity() * sizeof(Action);
    for (const auto& p : pendingMessages_) result_.messages.push_back({p.message, wayTo(p.id, p.action)});
    if (result_.complete && !result_.ends.empty()) findDeadEnds();
    return std::move(result_);
  }

  struct PendingMessage {
    ShownMessage message;
    std::uint32_t id;
    std::optional<Action> action;
  };

  GameSession session_;
  SolveOptions options_;
  StateCodec codec_;
  StateStore store_;
  std::vector<std::uint32_t> parent_;
  std::vector<Action> via_;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> edges_;
  std::vector<std::uint32_t> reachesEnd_;
  std::set<std::string> endsSeen_;
  std::set<std::string> messagesSeen_;
  std::vector<PendingMessage> pendingMessages_;
  std::vector<std::string> startLines_;
  GameState initial_;
  SolveResult result_;
};

}  // namespace

SolveResult solve(const std::string& gameFolder, const SolveOptions& options) {
  return Search(gameFolder, options).run();
}

}  // namespace quorlen::checker
