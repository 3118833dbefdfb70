#pragma once

#include <cstdint>
#include <string>

// A binary file opened by path, a path in UTF-8. Operations report failure by their result and
// never throw.
class CFile {
public:
    enum OpenFlags : unsigned {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeCreate = 0x1000,
        typeBinary = 0x8000,
    };

    CFile() = default;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    virtual ~CFile() { Close(); }

    // modeCreate creates or truncates. The file is opened for exclusive access where the
    // platform has it (Windows); POSIX has no such lock.
    bool Open(const char* path, unsigned flags);
    // Returns how many bytes were read: fewer than count at the end of the file, 0 on failure.
    unsigned Read(void* buffer, unsigned count);
    // True when all count bytes were written.
    bool Write(const void* buffer, unsigned count);
    // Writes what the system holds of the file to the disk; true when it is there.
    bool Flush();
    // Moves to offset bytes from the start of the file.
    bool Seek(std::uint64_t offset);
    // The file's length in bytes, 0 when it is not open.
    std::uint64_t GetLength() const;
    void Close();
    bool IsOpen() const { return m_handle != invalidHandle; }

    // Puts the file from in the place of to in one step: to is then either the old or the new file.
    static bool Rename(const char* from, const char* to);
    static bool Remove(const char* path);
    // Reads up to count bytes from the start of the file at path, which others may read, write or
    // replace meanwhile; got says how many. False when the file cannot be opened. No object: a
    // program that needs nothing more stays small.
    static bool ReadStart(const char* path, void* buffer, unsigned count, unsigned& got);
    // The bytes of the file at path, at most limit of them; false when it cannot be opened.
    static bool ReadAll(const char* path, std::uint64_t limit, std::string& bytes);

private:
    static constexpr std::intptr_t invalidHandle = -1;
    std::intptr_t m_handle = invalidHandle;
};
