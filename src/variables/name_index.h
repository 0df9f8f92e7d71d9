#pragma once
// The members of a variable store filed by name: every member of a name,
// in position order (two members may share a name). A small table with
// open addressing holds each name's hash and the number of its entry; the
// entries, in the order the names were first filed, hold each name's
// first member. Finding a name looks into the table (small enough to stay
// in the processor's cache), at its entry and at the member whose name is
// compared; names filed in order are found in that order, so entries and
// members are read one after the other.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace quorlen {

class ClassVariable;

class NameIndex {
 public:
  // Makes room for this many names in all.
  void reserve(std::size_t names);
  void clear();
  // Files the member after every member of its name.
  void append(ClassVariable& member);
  // Takes the member out of its name's entry; the member still has the name.
  void remove(const ClassVariable& member);
  // Forgets every member of that name.
  void drop(std::string_view name);
  // Every member of that name, in position order; valid until the index
  // changes.
  [[nodiscard]] std::span<ClassVariable* const> find(std::string_view name) const;

 private:
  struct Slot {
    std::uint32_t hash = 0;
    std::uint32_t entry = 0;  // 0: free; else 1 + the entry's place in entries_
  };
  struct Entry {
    ClassVariable* first = nullptr;
    std::uint32_t list = 0;  // 0: `first` is the only member; else 1 + its place in lists_
  };
  static std::uint32_t hashOf(std::string_view name);
  // The slot of the name, or the free slot where it would go.
  [[nodiscard]] std::size_t slotOf(std::string_view name, std::uint32_t hash) const;
  void grow(std::size_t capacity);
  void releaseList(Entry& entry);
  // Frees the slot and its entry.
  void erase(std::size_t slot);

  std::vector<Slot> slots_;  // a power of two long, at most half full
  std::size_t used_ = 0;
  std::vector<Entry> entries_;
  std::vector<std::uint32_t> freeEntries_;
  // The members of names that have two or more; free lists are kept empty.
  std::vector<std::vector<ClassVariable*>> lists_;
  std::vector<std::uint32_t> freeLists_;
};

}  // namespace quorlen
