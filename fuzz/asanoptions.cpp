// AddressSanitizer's defaults for every fuzz target. Each allocation records
// the two innermost calls that made it rather than thirty: the targets
// allocate at every step, and recording and storing whole call stacks took
// nearly a third of the time of the ledger and claim targets. A report still
// gives the bad access its whole stack and names where the memory was
// allocated and freed; for their whole stacks too, run the saved input again
// with ASAN_OPTIONS=malloc_context_size=30, which wins over these defaults.

extern "C" const char* __asan_default_options() {
    return "malloc_context_size=2";
}
