// A hash table keyed by handles. Every public call of the layer starts by
// asking whether its handles name live objects, and the run loop makes a
// few hundred such calls between two simulation steps: a table of the
// standard library pays a division for each (its bucket count is a prime),
// this one a multiplication and a shift.
//
// Open addressing with linear probing; erasing shifts the following entries
// back, so no tombstones build up however often windows come and go. Keys
// are non-null pointers; a null key is never found and never stored.
// References into the table stay valid only until the next insertion.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

template <typename TValue>
class CPointerTable {
 public:
  // The value stored for `key`, or null.
  TValue* Find(const void* key) {
    return const_cast<TValue*>(static_cast<const CPointerTable*>(this)->Find(key));
  }
  const TValue* Find(const void* key) const {
    if (key == nullptr || m_slots.empty()) return nullptr;
    for (std::size_t i = Home(key);; i = (i + 1) & Mask()) {
      const SSlot& slot = m_slots[i];
      if (slot.key == key) return &slot.value;
      if (slot.key == nullptr) return nullptr;
    }
  }
  bool Contains(const void* key) const { return Find(key) != nullptr; }

  // The value for `key`, made with TValue{} when the key is new. A null key
  // gets a scratch value that the table does not keep.
  TValue& operator[](const void* key) {
    if (key == nullptr) {
      m_scratch = TValue{};
      return m_scratch;
    }
    if (TValue* found = Find(key)) return *found;
    if ((m_size + 1) * 4 > m_slots.size() * 3) Grow();
    std::size_t i = Home(key);
    while (m_slots[i].key != nullptr) i = (i + 1) & Mask();
    m_slots[i].key = key;
    m_slots[i].value = TValue{};
    ++m_size;
    return m_slots[i].value;
  }

  // Forgets `key`; false when it was not there.
  bool Erase(const void* key) {
    if (key == nullptr || m_slots.empty()) return false;
    std::size_t hole = Home(key);
    while (m_slots[hole].key != key) {
      if (m_slots[hole].key == nullptr) return false;
      hole = (hole + 1) & Mask();
    }
    // Pull back every later entry of the run that may sit in the hole: one
    // whose home lies cyclically outside (hole, j].
    for (std::size_t j = (hole + 1) & Mask(); m_slots[j].key != nullptr; j = (j + 1) & Mask()) {
      const std::size_t home = Home(m_slots[j].key);
      const bool reachable = hole <= j ? (home <= hole || home > j) : (home <= hole && home > j);
      if (reachable) {
        m_slots[hole] = std::move(m_slots[j]);
        hole = j;
      }
    }
    m_slots[hole] = SSlot{};
    --m_size;
    return true;
  }

  std::size_t Size() const { return m_size; }

 private:
  struct SSlot {
    const void* key = nullptr;
    TValue value{};
  };

  std::size_t Mask() const { return m_slots.size() - 1; }
  std::size_t Home(const void* key) const {
    // Fibonacci hashing: the high bits of the product mix every bit of the
    // address, including the low ones that allocation alignment leaves zero.
    const std::uint64_t product =
        static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(key)) * 0x9E3779B97F4A7C15ULL;
    return static_cast<std::size_t>(product >> m_shift);
  }

  void Grow() {
    std::vector<SSlot> old = std::move(m_slots);
    const std::size_t capacity = old.empty() ? 16 : old.size() * 2;
    m_slots.assign(capacity, SSlot{});
    m_shift = 64;
    for (std::size_t c = capacity; c > 1; c >>= 1U) --m_shift;
    for (SSlot& slot : old) {
      if (slot.key == nullptr) continue;
      std::size_t i = Home(slot.key);
      while (m_slots[i].key != nullptr) i = (i + 1) & Mask();
      m_slots[i] = std::move(slot);
    }
  }

  std::vector<SSlot> m_slots;  // a power of two in size, or empty
  std::size_t m_size = 0;
  unsigned m_shift = 64;
  TValue m_scratch{};
};
