// Where the program is and where it keeps its data files. The installed program's own folder is
// read-only, so the data live in "<data home>/<data folder name>/" instead.
#pragma once

#include <string>

#include "platform/platform.h"

namespace ruvo::desktop {

class DesktopPaths final : public platform::Paths {
public:
    // `dataFolderName` is relative to `dataHome`, e.g. "Quelmar/Ruvometer 2.3".
    DesktopPaths(std::string dataHome, std::string dataFolderName);

    // The running executable (/proc/self/exe); for a program file replaced while it runs, the
    // path it was started from.
    std::string programFilePath() override;
    // Created when missing; ends in '/'.
    std::string programDirectory() override;

private:
    std::string directory_;
};

}  // namespace ruvo::desktop
