#pragma once

#include <string_view>

namespace hueset {

// What the open commands report when a file cannot be opened, the same for
// documents and configuration files. "%1" stands for the file as named.
inline constexpr std::string_view kFileNotFoundReport =
    "%1\nCannot find this file.\nPlease verify that the correct path and file name are given.";
inline constexpr std::string_view kOpenFailedReport = "Failed to open document.";

}  // namespace hueset
