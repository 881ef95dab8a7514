// Field access for the quoted records the generated pages read: a record
// cut short (a damaged or hand-edited table) gives empty fields instead of
// reading past its end.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace docbase {

inline std::string_view FieldAt(const std::vector<std::string_view>& fields,
                                size_t index) {
  return index < fields.size() ? fields[index] : std::string_view();
}

}  // namespace docbase
