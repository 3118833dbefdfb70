#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
// Paths are UTF-8, so that a test may name a folder in any script.
class TempFolder {
public:
    // Named after a random number drawn once for the process and a count within it, so that test
    // processes that run side by side never pick the same name; a name that is taken is skipped.
    TempFolder() {
        static const unsigned process =
            std::random_device{}() ^
            static_cast<unsigned>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
        static std::atomic<unsigned> serial{0};
        const auto base = std::filesystem::temp_directory_path();
        do {
            m_path = base / ("quillmere-test-" + std::to_string(process) + "-" + std::to_string(++serial));
        } while (!std::filesystem::create_directory(m_path));
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }

    std::string Path(const std::string& name) const { return (m_path / std::filesystem::u8path(name)).u8string(); }

    // Writes bytes as the file name; returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(std::filesystem::u8path(Path(name)), std::ios::binary) << bytes;
        return Path(name);
    }

    static std::string Read(const std::string& path) {
        std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    std::filesystem::path m_path;
};
