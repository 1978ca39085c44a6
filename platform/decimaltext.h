#pragma once
// The decimal reading of a field's text: leading white space and one sign are skipped, digits are
// read up to the first other character, and a text without digits reads as 0. Values beyond the
// 32-bit range are clamped to it.
#include <cstdint>
#include <string>

std::int32_t DecimalValue(const std::string& text);
