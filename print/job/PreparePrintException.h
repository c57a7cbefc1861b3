#pragma once

#include <exception>

// Thrown from the background preparation when the user has confirmed Cancel:
// the job is abandoned before its first sheet. Print commands catch it and end
// without a message.
class CPreparePrintException : public std::exception
{
public:
    const char* what() const noexcept override { return "print preparation cancelled"; }
};
