#pragma once

namespace ombrana {

// Drops the offscreen platform's notes on raise() and size hints: tests,
// benchmarks and tools open thousands of windows, and those lines would
// bury the warnings that matter. Installs itself once, over the handler in
// place at the first call.
void quietPlatformNotes();

}  // namespace ombrana
