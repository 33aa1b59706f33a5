#pragma once

#include "model/ProjectFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace wexa::testing {

// The example projects (WEXA_EXAMPLES_DIR is set by the test program).
inline const std::string kUrbanExample = std::string(WEXA_EXAMPLES_DIR) + "/urban-freeway.wxa";
inline const std::string kRuralExample = std::string(WEXA_EXAMPLES_DIR) + "/rural-two-lane.wxa";

// `project` saved as `name` in `folder`: the file's path.
inline std::string WriteProject(const TempFolder& folder, const std::string& name,
                                const Project& project) {
    const std::string path = folder.File(name);
    EXPECT_TRUE(WriteProjectFile(path, project));
    return path;
}

} // namespace wexa::testing
