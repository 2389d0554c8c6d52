// How many bytes the other side may send in a second. Counted in windows
// of one second from the first byte of each, on a clock the caller reads.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kumora {

class ByteBudget {
 public:
  explicit ByteBudget(size_t bytes_per_second) : limit_(bytes_per_second) {}
  // Counts `bytes` arriving at `now_ms`; false once more than the limit
  // arrived within one window.
  bool spend(size_t bytes, std::int64_t now_ms);

 private:
  size_t limit_;
  size_t spent_ = 0;
  std::int64_t window_start_ = 0;
  bool started_ = false;
};

}  // namespace kumora
