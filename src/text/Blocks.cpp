// The choice of instruction set that the tests can force.
#include "text/Blocks.h"

namespace VorelText::detail::blocks {

bool ForcePath(Path path) {
#if defined(VORELTEXT_BLOCKS)
    if (path == Path::kAvx2 && !CpuHasAvx2())
        return false;
#else
    if (path == Path::kSse2 || path == Path::kAvx2)
        return false;
#endif
    forcedPath.store(path, std::memory_order_relaxed);
    return true;
}

} // namespace VorelText::detail::blocks
