// Runs a fuzz entry point without libFuzzer: every seed file as it is, then
// mutations of the seeds (byte flips, insertions, deletions, splices, and
// structural edits such as dropped commas and quotes), from a fixed seed so a
// failure can be replayed. Usage: DRIVER COUNT SEED_DIR
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
// Called once before the inputs, by targets that need it, as libFuzzer does.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) __attribute__((weak));

namespace {

void run(const std::string& input)
{
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
}

std::string mutate(std::string s, const std::vector<std::string>& seeds, std::mt19937& rng)
{
    static const char kInteresting[] = {',', '"', '\r',   '\n',   ' ',    '.',    '0',    '1', '9',
                                        '-', 'e', '\xEF', '\xBB', '\xBF', '\x80', '\xE8', '\0'};
    const int edits = 1 + static_cast<int>(rng() % 8);
    for (int e = 0; e < edits; ++e) {
        const std::size_t pos = s.empty() ? 0 : rng() % (s.size() + 1);
        switch (rng() % 7) {
        case 0: // flip a bit
            if (!s.empty()) s[pos % s.size()] ^= static_cast<char>(1u << (rng() % 8));
            break;
        case 1: // insert a character that matters to the syntax
            s.insert(pos, 1, kInteresting[rng() % sizeof kInteresting]);
            break;
        case 2: // delete a run
            if (!s.empty()) s.erase(pos % s.size(), 1 + rng() % 16);
            break;
        case 3: { // splice a piece of another seed
            const std::string& other = seeds[rng() % seeds.size()];
            if (!other.empty()) {
                const std::size_t from = rng() % other.size();
                s.insert(pos, other.substr(from, 1 + rng() % 64));
            }
            break;
        }
        case 4: // truncate
            s.resize(pos);
            break;
        case 5: // replace a byte with a random one
            if (!s.empty()) s[pos % s.size()] = static_cast<char>(rng() % 256);
            break;
        case 6: // duplicate a line
            if (!s.empty()) {
                const std::size_t a = s.rfind('\n', pos % s.size());
                const std::size_t b = s.find('\n', pos % s.size());
                const std::size_t start = a == std::string::npos ? 0 : a + 1;
                const std::size_t end = b == std::string::npos ? s.size() : b + 1;
                s.insert(start, s.substr(start, end - start));
            }
            break;
        }
    }
    return s;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "uso: %s NUMERO CARTELLA_SEMI\n", argv[0]);
        return 2;
    }
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
    const long count = std::strtol(argv[1], nullptr, 10);
    std::vector<std::string> seeds;
    for (const auto& entry : std::filesystem::directory_iterator(argv[2])) {
        std::ifstream in(entry.path(), std::ios::binary);
        seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    if (seeds.empty()) {
        std::fprintf(stderr, "nessun seme in %s\n", argv[2]);
        return 2;
    }
    for (const std::string& s : seeds)
        run(s);
    std::mt19937 rng(20261207);
    for (long i = 0; i < count; ++i)
        run(mutate(seeds[i % seeds.size()], seeds, rng));
    std::printf("%zu semi e %ld varianti: nessun errore\n", seeds.size(), count);
    return 0;
}
