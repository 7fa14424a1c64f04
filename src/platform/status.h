// Results of file work travel as values: a failure carries a text that names the
// file and the cause, for the command to show to the user.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace pantrix {

class [[nodiscard]] Status
{
public:
    static Status Ok() { return Status(); }
    // `number` is the system's error number where there is one, 0 otherwise.
    static Status Failure(std::string error, int number = 0)
    {
        return Status(std::move(error), number);
    }

    // The new file is in place, but the folder could not be synced after it, so a
    // power cut may still bring back the old one. It counts as written: a caller
    // that took it for "not written" would undo half of a change of two files.
    static Status Unsynced(std::string note, int number)
    {
        Status status(std::move(note), number);
        status.m_unsynced = true;
        return status;
    }

    bool ok() const { return !m_error.has_value() || m_unsynced; }
    explicit operator bool() const { return ok(); }
    bool durable() const { return !m_error.has_value(); }
    const std::string& error() const { return *m_error; }
    int number() const { return m_number; }

private:
    Status() = default;
    Status(std::string error, int number) : m_error(std::move(error)), m_number(number) {}
    std::optional<std::string> m_error;
    int m_number = 0;
    bool m_unsynced = false;
};

template <typename T> class [[nodiscard]] Result
{
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(const Status& failure) : m_failure(failure) {}

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    T& value() { return *m_value; }
    const T& value() const { return *m_value; }
    const std::string& error() const { return m_failure.error(); }
    const Status& status() const { return m_failure; }

private:
    std::optional<T> m_value;
    Status m_failure = Status::Ok();
};

} // namespace pantrix
