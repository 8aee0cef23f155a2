#pragma once

namespace zf {

// The maker's product page, opened by the banners on the tip page.
inline constexpr const char* kProductPage = "https://www.darnholm.example/ziffrano/";

// The address labels of "Internet-Optionen"; each opens its own caption.
inline constexpr const char* kWebLinks[] = {
    "https://www.darnholm.example/",           "https://www.darnholm.example/ziffrano/",
    "https://www.darnholm.example/somnara/",   "https://www.darnholm.example/pilotara/",
    "https://www.darnholm.example/downloads/", "https://www.darnholm.example/support/",
    "https://www.darnholm.example/kontakt/",
};

} // namespace zf
