#pragma once

#include <exception>
#include <string>

namespace gs {

// Base of the document layer's errors: a message text in Windows-1252 bytes. The message is kept
// whole (it may quote file content with any byte); what() gives the same bytes for C callers.
class Exception : public std::exception
{
public:
    explicit Exception(std::string message)
        : m_message(std::move(message))
    {
    }

    const std::string &message() const { return m_message; }
    const char *what() const noexcept override { return m_message.c_str(); }

private:
    std::string m_message;
};

// The message of any caught error: the whole text of ours, what() of anything else.
inline std::string MessageOf(const std::exception &error)
{
    if (const auto *own = dynamic_cast<const Exception *>(&error))
        return own->message();
    return error.what();
}

} // namespace gs
