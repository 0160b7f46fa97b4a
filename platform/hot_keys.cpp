#include "platform/hot_keys.h"

std::uint16_t HotKeys::GlobalAddAtom(const std::string& name) {
  // String atoms live in 0xC000..0xFFFF.
  auto [it, inserted] =
      atoms_.try_emplace(name, static_cast<std::uint16_t>(0xC000 + atoms_.size()));
  return it->second;
}

bool HotKeys::RegisterHotKey(int id, unsigned modifiers, unsigned virtual_key,
                             std::function<void(int id)> on_hot_key) {
  for (const auto& [other_id, registration] : registrations_) {
    if (other_id != id && registration.modifiers == modifiers &&
        registration.virtual_key == virtual_key) {
      return false;  // taken by another registration
    }
  }
  registrations_[id] = Registration{modifiers, virtual_key, std::move(on_hot_key)};
  return true;
}

void HotKeys::UnregisterHotKey(int id) { registrations_.erase(id); }

bool HotKeys::Press(unsigned modifiers, unsigned virtual_key) {
  bool posted = false;
  for (const auto& [id, registration] : registrations_) {
    if (registration.modifiers == modifiers && registration.virtual_key == virtual_key) {
      loop_.Post([handler = registration.on_hot_key, id = id] { handler(id); });
      posted = true;
    }
  }
  return posted;
}
