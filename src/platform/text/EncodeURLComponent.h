// URL encoding of one component: every byte outside A-Z a-z 0-9 - . _ ~ becomes %XX.
#pragma once

#include <string>
#include <string_view>

namespace vorline {

std::string EncodeURLComponent(std::string_view text);

}  // namespace vorline
