#include "Iconv.h"

#include <cerrno>
#include <string>

namespace qx {

Iconv::Iconv(const char* toEncoding, const char* fromEncoding)
    : handle_(iconv_open(toEncoding, fromEncoding))
{
    if (handle_ == reinterpret_cast<iconv_t>(-1))
        throw std::invalid_argument(std::string("no conversion from ") + fromEncoding + " to " + toEncoding);
}

Iconv::~Iconv()
{
    iconv_close(handle_);
}

void Iconv::reset()
{
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
}

Iconv::Result Iconv::step(const char*& in, std::size_t& inLeft, char*& out, std::size_t& outLeft)
{
    // iconv's input parameter is not const-qualified but never writes through it.
    char* src = const_cast<char*>(in);
    const std::size_t r = iconv(handle_, &src, &inLeft, &out, &outLeft);
    in = src;
    if (r != static_cast<std::size_t>(-1))
        return Result::Done;
    switch (errno) {
    case E2BIG: return Result::Full;
    case EINVAL: return Result::Incomplete;
    default: return Result::Invalid;
    }
}

void Iconv::finish(char*& out, std::size_t& outLeft)
{
    iconv(handle_, nullptr, nullptr, &out, &outLeft);
}

}  // namespace qx
