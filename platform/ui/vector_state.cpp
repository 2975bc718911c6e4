#include "platform/ui/vector_state.h"

namespace platform::ui {

void clearUpperVectorState() {
#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx) {
        // The upper halves are caller-saved: no value of this program lives there.
        asm volatile("vzeroupper" ::: "memory");
    }
#endif
}

}  // namespace platform::ui
