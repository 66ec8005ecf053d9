#pragma once
// LargestAllocation: the largest single request made to the global operator
// new (plain, array and nothrow forms) while an instance is alive, so a test
// can show that a hostile header is refused before its pixels are allocated.
// The test program replaces the global allocation functions to see them;
// they forward to malloc and free.

#include <cstddef>

namespace trimlet::test {

class LargestAllocation {
 public:
  LargestAllocation();
  ~LargestAllocation();
  LargestAllocation(const LargestAllocation&) = delete;
  LargestAllocation& operator=(const LargestAllocation&) = delete;
  size_t bytes() const;
};

}  // namespace trimlet::test
