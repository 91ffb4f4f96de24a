// The pieces of the JSON documents the tool prints.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantor::cli {

// A JSON string of text from a description (Windows-1252).
std::string JsonText(std::string_view windows1252);
// A JSON string of a file name: UTF-8 when it is well formed, else read as Windows-1252.
std::string JsonFileName(std::string_view name);
// A number, or null.
std::string JsonNumber(std::optional<int64_t> number);

}  // namespace vantor::cli
