#pragma once

#include <cstdint>

// A moment in local time, down to the millisecond, as the run log stamps it.
struct LocalDateTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalDateTime LocalNow() const = 0;
  // Milliseconds since midnight, UTC: ((hour * 60 + minute) * 60 + second) * 1000 + ms.
  virtual std::uint32_t UtcMillisecondsOfDay() const = 0;
};

class SystemClock : public Clock {
 public:
  LocalDateTime LocalNow() const override;
  std::uint32_t UtcMillisecondsOfDay() const override;
};
