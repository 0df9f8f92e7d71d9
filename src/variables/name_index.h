#pragma once
// The members of a variable store filed by name: every member of a name,
// in position order (two members may share a name). One flat table with
// open addressing, each entry holding the name's hash beside its first
// member, so that finding a name costs one look into the table and one at
// the member (whose name is compared), whatever the number of names.

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
    ClassVariable* first = nullptr;  // nullptr: the slot is free
    std::uint32_t hash = 0;
    std::uint32_t list = 0;  // 0: `first` is the only member; else 1 + its place in lists_
  };
  static std::uint32_t hashOf(std::string_view name);
  // The slot of the name, or of the free slot where it would go.
  [[nodiscard]] std::size_t slotOf(std::string_view name, std::uint32_t hash) const;
  void grow(std::size_t capacity);
  void releaseList(Slot& slot);
  void erase(std::size_t slot);

  std::vector<Slot> slots_;  // a power of two long, at most half full
  std::size_t used_ = 0;
  // The members of names that have two or more; free lists are kept empty.
  std::vector<std::vector<ClassVariable*>> lists_;
  std::vector<std::uint32_t> freeLists_;
};

}  // namespace quorlen
