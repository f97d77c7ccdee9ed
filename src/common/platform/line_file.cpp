// Line-sequential files with COBOL file status values, as the file handler reports them.
#include <stdio.h>

#include <cerrno>
#include <cstdlib>

#include "common/platform/platform.hpp"

namespace ovle::platform {

line_file::~line_file() {
  if (file_ != nullptr) std::fclose(file_);
}

std::string_view line_file::open(const std::string& path, mode how) {
  if (file_ != nullptr) return "41";  // already open
  const char* fopen_mode = how == mode::input ? "r" : how == mode::output ? "w" : "a";
  file_ = std::fopen(path.c_str(), fopen_mode);
  if (file_ != nullptr) return "00";
  switch (errno) {
    case ENOENT:
    case ENOTDIR: return "35";
    case EACCES:
    case EPERM:
    case EROFS: return "37";
    default: return "30";
  }
}

std::string_view line_file::write(std::string_view record) {
  if (file_ == nullptr) return "48";
  std::size_t length = record.size();
  while (length > 0 && record[length - 1] == ' ') --length;
  if (std::fwrite(record.data(), 1, length, file_) != length || std::fputc('\n', file_) == EOF) return "30";
  return "00";
}

std::string_view line_file::read(std::string& record, std::size_t record_length) {
  if (file_ == nullptr) return "47";
  // The library serves one thread at a time (ovle.h): the stream needs no lock per character.
  int c = getc_unlocked(file_);
  if (c == EOF) {
    record.clear();
    return std::ferror(file_) ? "30" : "10";
  }
  record.assign(record_length, ' ');
  std::size_t n = 0;
  while (c != EOF && c != '\n') {
    if (c != '\r' && n < record_length) record[n++] = static_cast<char>(c);
    c = getc_unlocked(file_);
  }
  return "00";
}

std::string_view line_file::close() {
  if (file_ == nullptr) return "42";
  const bool ok = std::fclose(file_) == 0;
  file_ = nullptr;
  return ok ? "00" : "30";
}

std::string output_path(std::string_view name) {
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  const std::string bare(name);
  for (const std::string& variable : {"DD_" + bare, "dd_" + bare, bare}) {
    if (variable.empty()) continue;
    if (const char* value = std::getenv(variable.c_str()); value != nullptr && *value != '\0') return value;
  }
  return bare;
}

}  // namespace ovle::platform
