#include "platform/record_file.h"

namespace pantrix {

RecordBlock::RecordBlock(std::string bytes, std::size_t recordLength)
    : m_bytes(std::move(bytes)), m_length(recordLength), m_count(m_bytes.size() / recordLength)
{
}

RecordFile::RecordFile(fs::path file, std::size_t recordLength)
    : m_file(std::move(file)), m_length(recordLength)
{
}

Result<RecordBlock> RecordFile::ReadAll() const
{
    auto bytes = ReadOrCreateFile(m_file);
    if (!bytes)
        return bytes.status();
    return RecordBlock(std::move(bytes.value()), m_length);
}

Result<std::size_t> RecordFile::Count() const
{
    auto length = FileLength(m_file);
    if (!length)
        return length.status();
    return static_cast<std::size_t>(length.value() / m_length);
}

Status RecordFile::Append(std::string_view records) const
{
    auto count = Count();
    if (!count)
        return count.status();
    return WriteTail(m_file, count.value() * m_length, records);
}

Status RecordFile::WriteRecord(std::size_t number, std::string_view record) const
{
    auto old = ReadWholeFile(m_file);
    if (!old)
        return old.status();
    std::string bytes = std::move(old.value());
    const std::size_t offset = (number - 1) * m_length;
    if (bytes.size() < offset + m_length)
        bytes.resize(offset + m_length, '\0');
    bytes.replace(offset, m_length, record.substr(0, m_length));
    return ReplaceFile(m_file, bytes);
}

Status RecordFile::ReplaceAll(std::string_view records) const
{
    return ReplaceFile(m_file, records);
}

} // namespace pantrix
