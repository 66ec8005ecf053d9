// Runs every file below the folders (or the files) named on the command line
// through the fuzz target once. Used by the tests to replay the seed corpora
// and saved reproducers under the sanitizers, without libFuzzer.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {
void runFile(const std::filesystem::path& path, int* count) {
  std::ifstream in(path, std::ios::binary);
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
  LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
  ++*count;
}
}  // namespace

int main(int argc, char** argv) {
  int count = 0;
  for (int i = 1; i < argc; ++i) {
    std::error_code ec;
    const std::filesystem::path root(argv[i]);
    if (std::filesystem::is_regular_file(root, ec)) {
      runFile(root, &count);
      continue;
    }
    if (!std::filesystem::is_directory(root, ec)) continue;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root, ec))
      if (entry.is_regular_file()) runFile(entry.path(), &count);
  }
  std::printf("replayed %d inputs\n", count);
  return 0;
}
