// libcurl, loaded when the first transfer needs it rather than with the program: it brings a
// score of libraries (TLS, Kerberos, LDAP, SSH ...) that a game without the internet never uses.
#pragma once

#include <curl/curl.h>

#include <string>

namespace curl {

// The libcurl functions the transfers call.
struct Library {
    decltype(&::curl_global_init) global_init = nullptr;
    decltype(&::curl_easy_init) easy_init = nullptr;
    decltype(&::curl_easy_cleanup) easy_cleanup = nullptr;
    decltype(&::curl_easy_setopt) easy_setopt = nullptr;
    decltype(&::curl_easy_perform) easy_perform = nullptr;
    decltype(&::curl_easy_getinfo) easy_getinfo = nullptr;
    decltype(&::curl_easy_strerror) easy_strerror = nullptr;
    decltype(&::curl_easy_escape) easy_escape = nullptr;
    decltype(&::curl_free) free = nullptr;
    decltype(&::curl_url) url = nullptr;
    decltype(&::curl_url_cleanup) url_cleanup = nullptr;
    decltype(&::curl_url_set) url_set = nullptr;
    decltype(&::curl_url_get) url_get = nullptr;
};

// Loads libcurl and initialises it on the first call, from any thread; nullptr when it cannot
// be loaded, and then LibraryError tells why.
const Library* LoadedLibrary();
const std::string& LibraryError();

}  // namespace curl
