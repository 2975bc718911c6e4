// After the toolkit has drawn, its wide-vector code on x86-64 can leave the
// upper halves of the vector registers in use; every later instruction of
// the plain double arithmetic of the ephemeris then pays a transition
// penalty (measured: the planner's sky 10 to 20 times slower). A window that
// computes a lot right after drawing calls this first. Elsewhere, and on
// processors without those registers, it does nothing.
#pragma once

namespace platform::ui {

void clearUpperVectorState();

}  // namespace platform::ui
