#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "platform/event_loop.h"

// System-wide hot keys: an atom names the key, and pressing the registered combination posts
// the window's hot-key message with that id. Here the terminal front end does the pressing.
class HotKeys {
 public:
  static constexpr unsigned kModAlt = 1;
  static constexpr unsigned kModControl = 2;
  static constexpr unsigned kModShift = 4;

  explicit HotKeys(EventLoop& loop) : loop_(loop) {}

  // The atom of a global name: the same name gives the same atom.
  std::uint16_t GlobalAddAtom(const std::string& name);
  // Registers the key; the handler receives the id as the message's first parameter.
  bool RegisterHotKey(int id, unsigned modifiers, unsigned virtual_key,
                      std::function<void(int id)> on_hot_key);
  void UnregisterHotKey(int id);
  // The user pressed a combination: posts the message of every key registered for it.
  bool Press(unsigned modifiers, unsigned virtual_key);

 private:
  struct Registration {
    unsigned modifiers;
    unsigned virtual_key;
    std::function<void(int)> on_hot_key;
  };
  EventLoop& loop_;
  std::map<std::string, std::uint16_t> atoms_;
  std::map<int, Registration> registrations_;
};
