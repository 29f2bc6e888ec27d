// A library for the binding tests: one entry to find.
#include <cstdint>

extern "C" __attribute__((visibility("default"))) std::int32_t probeAnswer() { return 42; }
