#include "InstallFolder.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::string ProgramFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return "./";
    return exe.parent_path().string() + "/";
}

std::string DefaultInstallFolder() {
    const fs::path here = ProgramFolder();
    std::error_code ec;
    if (fs::exists(here / "LumraBidBase.txt", ec)) return here.string();
    const fs::path shared = here / ".." / "share" / "lumra-quest";
    if (fs::exists(shared / "LumraBidBase.txt", ec)) {
        const fs::path canonical = fs::weakly_canonical(shared, ec);
        return (ec ? shared : canonical).string() + "/";
    }
    return here.string();
}
