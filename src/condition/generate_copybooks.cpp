// Build step: writes the copybooks of symbolic feedback codes (OVLECOND.cpy, OVLECNDE.cpy) into a folder.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "condition/symbolic_names.hpp"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: ovle_generate_copybooks OUTPUT-FOLDER\n", stderr);
    return 2;
  }
  const std::filesystem::path folder(argv[1]);
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  for (const ovle::condition::copybook_file& file : ovle::condition::copybook_files) {
    const std::filesystem::path path = folder / (std::string(file.name) + ".cpy");
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << ovle::condition::copybook_text(file);
    out.close();
    if (!out) {
      std::fprintf(stderr, "ovle_generate_copybooks: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
