// Loading libcurl by its shared-object name and finding the functions the transfers call.
#include "platform/curl/curl_library.h"

#include <dlfcn.h>

namespace curl {
namespace {

// The name the system's libcurl is installed under (the package the program is built with).
constexpr const char* kLibraryName = "libcurl.so.4";

struct Loaded {
    Library library;
    std::string error;
};

template <typename Function>
bool Find(void* handle, const char* name, Function& function, std::string& error) {
    function = reinterpret_cast<Function>(::dlsym(handle, name));
    if (function == nullptr && error.empty()) error = std::string(kLibraryName) + " lacks " + name;
    return function != nullptr;
}

Loaded Load() {
    Loaded loaded;
    // The library stays loaded to the end: its handles may live as long as the program.
    void* handle = ::dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* why = ::dlerror();
        loaded.error = why != nullptr ? why : std::string(kLibraryName) + " cannot be loaded";
        return loaded;
    }
    Library& l = loaded.library;
    std::string& e = loaded.error;
    const bool found =
        Find(handle, "curl_global_init", l.global_init, e) &
        Find(handle, "curl_easy_init", l.easy_init, e) &
        Find(handle, "curl_easy_cleanup", l.easy_cleanup, e) &
        Find(handle, "curl_easy_setopt", l.easy_setopt, e) &
        Find(handle, "curl_easy_perform", l.easy_perform, e) &
        Find(handle, "curl_easy_getinfo", l.easy_getinfo, e) &
        Find(handle, "curl_easy_strerror", l.easy_strerror, e) &
        Find(handle, "curl_easy_escape", l.easy_escape, e) & Find(handle, "curl_free", l.free, e) &
        Find(handle, "curl_url", l.url, e) & Find(handle, "curl_url_cleanup", l.url_cleanup, e) &
        Find(handle, "curl_url_set", l.url_set, e) & Find(handle, "curl_url_get", l.url_get, e);
    if (!found) return loaded;
    if (l.global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK) e = "libcurl could not initialise";
    return loaded;
}

const Loaded& Once() {
    // A function-local static: loaded once, whichever thread asks first.
    static const Loaded loaded = Load();
    return loaded;
}

}  // namespace

const Library* LoadedLibrary() {
    return Once().error.empty() ? &Once().library : nullptr;
}

const std::string& LibraryError() {
    return Once().error;
}

}  // namespace curl
