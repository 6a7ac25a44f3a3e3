// The few libcurl functions the login check calls, loaded from libcurl when the first check runs rather than when
// the program starts: libcurl and the TLS, Kerberos, LDAP and SSH libraries it brings along would otherwise be
// loaded, relocated and kept resident by every start, though most sessions never press Test. Without libcurl on
// the system the functions fail as libcurl does when it cannot start, and the check reports a failed login.
#include <cstdarg>
#include <curl/curl.h>
#include <dlfcn.h>
#include <mutex>

namespace {

using GlobalInit = CURLcode (*)(long);
using EasyInit = CURL* (*)();
using EasySetopt = CURLcode (*)(CURL*, CURLoption, ...);
using EasyGetinfo = CURLcode (*)(CURL*, CURLINFO, ...);
using EasyPerform = CURLcode (*)(CURL*);
using EasyCleanup = void (*)(CURL*);
// A function pointer handed on to libcurl unchanged.
using AnyFunction = void (*)();

struct CurlFunctions
{
    GlobalInit globalInit = nullptr;
    EasyInit easyInit = nullptr;
    EasySetopt easySetopt = nullptr;
    EasyGetinfo easyGetinfo = nullptr;
    EasyPerform easyPerform = nullptr;
    EasyCleanup easyCleanup = nullptr;

    [[nodiscard]] bool complete() const
    {
        return globalInit != nullptr && easyInit != nullptr && easySetopt != nullptr && easyGetinfo != nullptr
            && easyPerform != nullptr && easyCleanup != nullptr;
    }
};

template <typename Function> Function Symbol(void* library, const char* name)
{
    return reinterpret_cast<Function>(dlsym(library, name));
}

// The functions of the system's libcurl, loaded once; all empty when it cannot be loaded.
const CurlFunctions& Curl()
{
    static CurlFunctions functions;
    static std::once_flag once;
    std::call_once(once, [] {
        void* library = dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr) {
            return;
        }
        CurlFunctions loaded {
            .globalInit = Symbol<GlobalInit>(library, "curl_global_init"),
            .easyInit = Symbol<EasyInit>(library, "curl_easy_init"),
            .easySetopt = Symbol<EasySetopt>(library, "curl_easy_setopt"),
            .easyGetinfo = Symbol<EasyGetinfo>(library, "curl_easy_getinfo"),
            .easyPerform = Symbol<EasyPerform>(library, "curl_easy_perform"),
            .easyCleanup = Symbol<EasyCleanup>(library, "curl_easy_cleanup"),
        };
        if (loaded.complete()) {
            functions = loaded;
        }
    });
    return functions;
}

} // namespace

extern "C" {

CURLcode curl_global_init(long flags)
{
    return Curl().complete() ? Curl().globalInit(flags) : CURLE_FAILED_INIT;
}

CURL* curl_easy_init()
{
    return Curl().complete() ? Curl().easyInit() : nullptr;
}

// An option's number says the type of its one argument: a long, an object pointer, a function pointer, a
// curl_off_t or a blob's pointer; the argument is handed on as that type.
CURLcode curl_easy_setopt(CURL* curl, CURLoption option, ...)
{
    if (!Curl().complete()) {
        return CURLE_FAILED_INIT;
    }
    va_list arguments;
    va_start(arguments, option);
    CURLcode code = CURLE_OK;
    const int kind = static_cast<int>(option);
    if (kind < CURLOPTTYPE_OBJECTPOINT) {
        code = Curl().easySetopt(curl, option, va_arg(arguments, long));
    } else if (kind < CURLOPTTYPE_FUNCTIONPOINT || kind >= CURLOPTTYPE_BLOB) {
        code = Curl().easySetopt(curl, option, va_arg(arguments, void*));
    } else if (kind < CURLOPTTYPE_OFF_T) {
        code = Curl().easySetopt(curl, option, va_arg(arguments, AnyFunction));
    } else {
        code = Curl().easySetopt(curl, option, va_arg(arguments, curl_off_t));
    }
    va_end(arguments);
    return code;
}

// Every piece of information is written through the one pointer that follows the name.
CURLcode curl_easy_getinfo(CURL* curl, CURLINFO info, ...)
{
    if (!Curl().complete()) {
        return CURLE_FAILED_INIT;
    }
    va_list arguments;
    va_start(arguments, info);
    const CURLcode code = Curl().easyGetinfo(curl, info, va_arg(arguments, void*));
    va_end(arguments);
    return code;
}

CURLcode curl_easy_perform(CURL* curl)
{
    return Curl().complete() ? Curl().easyPerform(curl) : CURLE_FAILED_INIT;
}

void curl_easy_cleanup(CURL* curl)
{
    if (Curl().complete()) {
        Curl().easyCleanup(curl);
    }
}

} // extern "C"
