// Under libFuzzer: with CORVALE_WRITE_SEEDS=DIR in the environment, a target writes the seeds it
// offers into DIR, one file each, and exits; libFuzzer then starts from that corpus instead of
// from nothing.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

std::vector<std::string> CorvaleFuzzSeeds() __attribute__((weak));

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const char* dir = std::getenv("CORVALE_WRITE_SEEDS");
  if (!dir) return 0;
  std::filesystem::create_directories(dir);
  std::vector<std::string> seeds;
  if (CorvaleFuzzSeeds) seeds = CorvaleFuzzSeeds();
  seeds.push_back(std::string());
  for (size_t i = 0; i < seeds.size(); ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "/seed-%03zu", i);
    std::ofstream out(std::string(dir) + name, std::ios::binary);
    out.write(seeds[i].data(), static_cast<std::streamsize>(seeds[i].size()));
    if (!out) {
      std::fprintf(stderr, "cannot write the seeds into %s\n", dir);
      std::exit(1);
    }
  }
  std::exit(0);
}
