// set-load-config: points the load configuration entry of a linked PE program at its
// _load_config_used structure. This linker defines the structure but leaves the entry empty, and
// Windows reads the structure (and its DependentLoadFlags) only through that entry.
//   set-load-config PROGRAM.exe
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {

constexpr char symbolName[] = "_load_config_used";
constexpr int loadConfigEntry = 10;
constexpr std::uint32_t pe32PlusMagic = 0x20B;

std::uint32_t Get(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

void Put(std::string& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes.at(at + i) = static_cast<char>(value >> (8 * i) & 0xFF);
}

int Fail(const char* why) {
    std::fprintf(stderr, "set-load-config: %s\n", why);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) return Fail("usage: set-load-config PROGRAM.exe");
    std::ifstream in(argv[1], std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    try {
        const std::size_t header = Get(bytes, 0x3C, 4) + 4;
        const std::size_t sections = Get(bytes, header + 2, 2);
        const std::size_t symbols = Get(bytes, header + 8, 4), symbolCount = Get(bytes, header + 12, 4);
        const std::size_t optional = header + 20, sectionTable = optional + Get(bytes, header + 16, 2);
        if (Get(bytes, optional, 2) != pe32PlusMagic) return Fail("not a 64-bit program");
        if (symbols == 0) return Fail("no symbols: the program is stripped");
        const std::size_t strings = symbols + 18 * symbolCount;

        for (std::size_t i = 0; i < symbolCount; ++i) {
            const std::size_t symbol = symbols + 18 * i;
            const std::string name = Get(bytes, symbol, 4) == 0 ? bytes.c_str() + strings + Get(bytes, symbol + 4, 4)
                                                                : bytes.substr(symbol, 8).c_str();
            const std::uint32_t section = Get(bytes, symbol + 12, 2);
            if (name != symbolName || section == 0 || section > sections) continue;
            const std::size_t entry = sectionTable + 40 * (section - 1);
            const std::uint32_t offset = Get(bytes, symbol + 8, 4);
            const std::uint32_t rva = Get(bytes, entry + 12, 4) + offset;
            const std::uint32_t size = Get(bytes, Get(bytes, entry + 20, 4) + offset, 4);
            Put(bytes, optional + 112 + 8 * loadConfigEntry, rva);
            Put(bytes, optional + 112 + 8 * loadConfigEntry + 4, size);
            std::ofstream(argv[1], std::ios::binary | std::ios::trunc).write(bytes.data(), bytes.size());
            return 0;
        }
        return Fail("the program defines no _load_config_used");
    } catch (const std::out_of_range&) {
        return Fail("not a whole PE program");
    }
}
