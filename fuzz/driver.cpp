// Stand-in for libFuzzer under g++: replays the target's seeds, then a bounded, reproducible run
// of mutated and random inputs. Sanitizer reports end the process with a failure.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

// A target may offer seeds that reach deeper than random bytes do.
std::vector<std::string> CorvaleFuzzSeeds() __attribute__((weak));

namespace {

std::string Mutate(std::string input, std::mt19937& rng) {
  const int steps = 1 + static_cast<int>(rng() % 8);
  for (int s = 0; s < steps; ++s) {
    switch (rng() % 6) {
      case 0:  // flip a bit
        if (!input.empty()) input[rng() % input.size()] ^= static_cast<char>(1u << (rng() % 8));
        break;
      case 1:  // truncate
        if (!input.empty()) input.resize(rng() % input.size());
        break;
      case 2:  // insert random bytes
      {
        const size_t at = input.empty() ? 0 : rng() % (input.size() + 1);
        input.insert(at, std::string(1 + rng() % 16, static_cast<char>(rng())));
        break;
      }
      case 3:  // overwrite with an interesting byte
        if (!input.empty()) {
          static const char kBytes[] = {0, 1, 0x7F, static_cast<char>(0x80), static_cast<char>(0xFF),
                                        '=', '\n', '\r', ':', '%', '.'};
          input[rng() % input.size()] = kBytes[rng() % sizeof kBytes];
        }
        break;
      case 4:  // duplicate a slice
        if (!input.empty()) {
          const size_t from = rng() % input.size();
          const size_t len = 1 + rng() % (input.size() - from);
          input.insert(rng() % (input.size() + 1), input.substr(from, len));
        }
        break;
      default:  // erase a slice
        if (!input.empty()) {
          const size_t from = rng() % input.size();
          input.erase(from, 1 + rng() % (input.size() - from));
        }
        break;
    }
  }
  return input;
}

void Run(const std::string& input) {
  LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.data()), input.size());
}

}  // namespace

int main(int argc, char** argv) {
  const long runs = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 10000;
  std::mt19937 rng(0xC0AA1E);
  std::vector<std::string> seeds;
  if (CorvaleFuzzSeeds) seeds = CorvaleFuzzSeeds();
  seeds.push_back(std::string());
  for (const auto& seed : seeds) Run(seed);
  for (long i = 0; i < runs; ++i) {
    if (i % 4 == 0) {
      std::string random(rng() % 2048, '\0');
      for (auto& c : random) c = static_cast<char>(rng());
      Run(random);
    } else {
      Run(Mutate(seeds[rng() % seeds.size()], rng));
    }
  }
  std::printf("%ld inputs passed\n", runs + static_cast<long>(seeds.size()));
  return 0;
}
