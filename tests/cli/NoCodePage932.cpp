// Preloaded into the companion by its tests: hides the system's code page 932 converter, as on a
// system whose C library was installed without its converter modules.
#include <cerrno>
#include <cstring>
#include <dlfcn.h>
#include <iconv.h>

namespace {

bool NamesCodePage932(const char* name) {
    return name != nullptr && (std::strstr(name, "932") != nullptr || strcasestr(name, "SJIS") != nullptr ||
                               strcasestr(name, "SHIFT") != nullptr);
}

} // namespace

extern "C" iconv_t iconv_open(const char* to, const char* from) {
    if (NamesCodePage932(to) || NamesCodePage932(from)) {
        errno = EINVAL;
        return reinterpret_cast<iconv_t>(-1);
    }
    using Open = iconv_t (*)(const char*, const char*);
    static const Open next = reinterpret_cast<Open>(dlsym(RTLD_NEXT, "iconv_open"));
    return next(to, from);
}
