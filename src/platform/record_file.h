// Headerless files of fixed-length records, numbered from 1 at byte offset 0. The
// count is the length divided by the record length; a shorter trailing part is
// no record and is ignored by readers and written over by the next append.
#pragma once

#include "platform/files.h"

#include <string>
#include <string_view>
#include <vector>

namespace pantrix {

// The whole records of a file, read in one go and viewed in place.
class RecordBlock
{
public:
    RecordBlock(std::string bytes, std::size_t recordLength);

    std::size_t Count() const { return m_count; }
    std::size_t RecordLength() const { return m_length; }
    std::string_view At(std::size_t index) const // 0-based
    {
        return std::string_view(m_bytes).substr(index * m_length, m_length);
    }
    // The bytes of all whole records, without a trailing part.
    std::string_view WholeRecords() const
    {
        return std::string_view(m_bytes).substr(0, m_count * m_length);
    }

private:
    std::string m_bytes;
    std::size_t m_length;
    std::size_t m_count;
};

class RecordFile
{
public:
    RecordFile(fs::path file, std::size_t recordLength);

    const fs::path& Path() const { return m_file; }

    // A missing file is created empty.
    Result<RecordBlock> ReadAll() const;
    Result<std::size_t> Count() const;

    // After the last whole record.
    Status Append(std::string_view records) const;
    // Record `number` (from 1) replaced; everything else in the file kept byte for byte.
    Status WriteRecord(std::size_t number, std::string_view record) const;
    // The file replaced by exactly these records.
    Status ReplaceAll(std::string_view records) const;

private:
    fs::path m_file;
    std::size_t m_length;
};

} // namespace pantrix
