#include "cli/RenderText.h"

#ifdef KORVANE_TEXT_MODULE
#include <dlfcn.h>

#include <filesystem>
#include <system_error>
#endif

namespace korvane {

#ifdef KORVANE_TEXT_MODULE

namespace {

using DrawFunction = bool (*)(const DesignDocument&, FileSystem&, const std::string&, std::string&);

// The module lies beside korvane-gen in the build, and in the library folder once installed.
std::vector<std::filesystem::path> ModulePlaces() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    const std::filesystem::path folder = self.parent_path();
    return {folder / KORVANE_TEXT_MODULE, folder / KORVANE_TEXT_MODULE_INSTALLED};
}

// Loaded once and kept: Qt cannot be unloaded while the process lives.
DrawFunction LoadDrawFunction(std::string& error) {
    for (const std::filesystem::path& place : ModulePlaces()) {
        std::error_code ec;
        if (!std::filesystem::exists(place, ec)) continue;
        void* module = dlopen(place.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!module) {
            const char* reason = dlerror();
            error = "the text drawing module \"" + place.string() +
                    "\" could not be loaded: " + (reason ? reason : "unknown reason");
            return nullptr;
        }
        if (void* entry = dlsym(module, "korvane_write_surface_png_with_text"))
            return reinterpret_cast<DrawFunction>(entry);
        error = "the text drawing module \"" + place.string() + "\" is not this korvane-gen's";
        return nullptr;
    }
    error = "this korvane-gen cannot draw text: its module " KORVANE_TEXT_MODULE " is missing";
    return nullptr;
}

}  // namespace

bool WriteSurfacePngWithText(const DesignDocument& doc, FileSystem& files, const std::string& path,
                             std::string& error) {
    static std::string loadError;
    static const DrawFunction draw = LoadDrawFunction(loadError);
    if (!draw) {
        error = loadError;
        return false;
    }
    return draw(doc, files, path, error);
}

#else

bool WriteSurfacePngWithText(const DesignDocument&, FileSystem&, const std::string&,
                             std::string& error) {
    error = "this korvane-gen was built without Qt and cannot draw text";
    return false;
}

#endif

}  // namespace korvane
