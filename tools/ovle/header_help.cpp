// Finding an entry's comment block in the text of ovle.h.
#include "header_help.hpp"

#include <vector>

namespace ovle::tool {
namespace {

std::vector<std::string_view> lines_of(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
  }
  return lines;
}

std::string_view trimmed(std::string_view line) {
  const std::size_t start = line.find_first_not_of(' ');
  if (start == std::string_view::npos) return {};
  const std::size_t end = line.find_last_not_of(' ');
  return line.substr(start, end - start + 1);
}

bool is_one_line_comment(std::string_view line) {
  const std::string_view t = trimmed(line);
  return t.size() >= 4 && t.starts_with("/*") && t.ends_with("*/");
}

}  // namespace

std::string prototype_comment(std::string_view header, std::string_view symbol) {
  const std::vector<std::string_view> lines = lines_of(header);
  const std::string prototype = "OVLE_API int " + std::string(symbol) + "(";
  std::size_t at = 0;
  while (at < lines.size() && !lines[at].starts_with(prototype)) ++at;
  if (at == lines.size()) return {};
  // A one-line note right above the prototype belongs to it alone ("/* text: PIC X(80). */").
  std::string note;
  if (at > 0 && is_one_line_comment(lines[at - 1])) {
    note = std::string(trimmed(trimmed(lines[at - 1]).substr(2, trimmed(lines[at - 1]).size() - 4))) + "\n";
  }
  // Up over the prototypes sharing the block, their continuation lines and their notes, to the
  // block's last line.
  std::size_t end = at;
  while (end > 0 && !trimmed(lines[end - 1]).empty() && trimmed(lines[end - 1]) != "*/") --end;
  if (end == 0 || trimmed(lines[end - 1]) != "*/") return {};
  std::size_t start = end - 1;
  while (start > 0 && !lines[start].starts_with("/*")) --start;
  if (!lines[start].starts_with("/*")) return {};
  std::string comment;
  for (std::size_t i = start + 1; i + 1 < end; ++i) {
    std::string_view line = lines[i];
    if (line.starts_with(" * ")) {
      line.remove_prefix(3);
    } else if (line.starts_with(" *")) {
      line.remove_prefix(2);
    }
    comment.append(line).append("\n");
  }
  return comment + note;
}

}  // namespace ovle::tool
