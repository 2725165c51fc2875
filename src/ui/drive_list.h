// The drives of the drive selector. On this system a "drive" is a mounted volume, named by the
// folder it is mounted on; the root comes first, the others follow in name order.
#pragma once

#include <string>
#include <vector>

namespace check_html {

// The volume roots in selector order: "/" first, then the others sorted, each once.
std::vector<std::string> DriveRoots(std::vector<std::string> mounted);

// The drive that holds `folder`: the longest root that is `folder` itself or one of its parents.
// "/" when no other root holds it.
std::string DriveOf(const std::string& folder, const std::vector<std::string>& roots);

// The mounted volumes of this machine that are folders, in selector order.
std::vector<std::string> MountedDriveRoots();

}  // namespace check_html
