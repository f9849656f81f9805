#pragma once

// Heap allocations made through operator new since the program started.
// Linking AllocationCounter.cpp replaces the global operator new, so a
// program that links it counts every allocation of every thread.
long AllocationCount();
