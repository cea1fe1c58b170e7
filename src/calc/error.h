#pragma once
// One error type for every failure the program shows to the rider. The
// message is the German text as the user sees it (UTF-8).

#include "calc/messages.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace trovanta {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string &message) : std::runtime_error(message), message_(message) {}
    explicit Error(const char *message) : Error(std::string(message)) {}

    // The whole message. what() ends at a zero byte, which a text read from
    // a damaged file may bring into it.
    const std::string &message() const noexcept { return message_; }

private:
    std::string message_;
};


// Replaces the first "%s" (or "%d") of a message pattern with the argument.
std::string formatMessage(std::string_view pattern, std::string_view arg);

// The application error box shows the message with a full stop appended
// when it has none.
std::string withFullStop(std::string_view message);

} // namespace trovanta
