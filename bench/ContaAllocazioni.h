#pragma once
// The global operator new of the benchmarks counts the heap allocations.

// Allocations made so far by the whole program.
long Allocazioni();
