// Each entry's comment block in ovle.h, which says what it does, its arguments and its conditions.
#pragma once

#include <string>
#include <string_view>

namespace ovle::tool {

// The text of include/ovle/ovle.h as it was when the tool was built.
extern const std::string_view ovle_header_text;

// The comment block that documents `symbol` in `header`: the block that ends on the line before its
// prototype or before the prototypes (and their one-line notes) that share it, without its "/*",
// " * " and " */", followed by the prototype's own one-line note when it has one. Empty when the
// prototype or its block is not there.
std::string prototype_comment(std::string_view header, std::string_view symbol);

}  // namespace ovle::tool
