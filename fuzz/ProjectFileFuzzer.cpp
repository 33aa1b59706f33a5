// Feeds arbitrary bytes to the project file reader. Whatever it refuses must
// leave the project untouched. Whatever it accepts, written and read again,
// must write the same bytes a second time (a file may hold bytes after its
// last field, which are not kept), and is then evaluated and run.
#include "AcceptedProject.h"
#include "model/ProjectFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto pristine = std::make_unique<const wexa::Project>();
    static const auto pristineBytes = wexa::WriteProjectBytes(*pristine);

    auto project = std::make_unique<wexa::Project>(*pristine);
    const std::span<const unsigned char> input(data, size);
    if (!wexa::ReadProjectBytes(input, *project)) {
        if (wexa::WriteProjectBytes(*project) != pristineBytes) {
            std::abort(); // a refused file changed the project
        }
        return 0;
    }
    // Written again, and read again, a project must not change: the second
    // write is the same as the first.
    const auto written = wexa::WriteProjectBytes(*project);
    auto reread = std::make_unique<wexa::Project>(*pristine);
    if (!wexa::ReadProjectBytes(written, *reread) || wexa::WriteProjectBytes(*reread) != written) {
        std::abort();
    }
    wexa::fuzz::ExerciseAcceptedProject(*project);
    return 0;
}
