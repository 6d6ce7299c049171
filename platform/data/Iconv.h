#pragma once
// A conversion handle of the C library's iconv, owned: opened once, closed on destruction.
// Conversions run through a fixed-size output buffer, so memory grows only with the result.

#include <cstddef>
#include <iconv.h>
#include <stdexcept>

namespace qx {

class Iconv {
public:
    // Throws std::invalid_argument when the system cannot convert between the two encodings.
    Iconv(const char* toEncoding, const char* fromEncoding);
    ~Iconv();
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    enum class Stop { Done, Invalid, Incomplete };

    // Converts [in, in + inLeft) and hands the output to `sink(const char*, size_t)` in pieces.
    // Stops at the first sequence that is invalid in the source or has no equivalent in the
    // target (Invalid) or that is cut off at the end of the input (Incomplete); `in` and `inLeft`
    // then point at it. The handle is reset at each call.
    template <class Sink>
    Stop convert(const char*& in, std::size_t& inLeft, Sink&& sink)
    {
        reset();
        char buffer[kBufferSize];
        for (;;) {
            char* out = buffer;
            std::size_t outLeft = sizeof buffer;
            const Result r = step(in, inLeft, out, outLeft);
            if (out != buffer)
                sink(static_cast<const char*>(buffer), static_cast<std::size_t>(out - buffer));
            if (r != Result::Full)
                return r == Result::Done ? (flush(sink), Stop::Done)
                                         : (r == Result::Invalid ? Stop::Invalid : Stop::Incomplete);
        }
    }

private:
    static constexpr std::size_t kBufferSize = 8192;
    enum class Result { Done, Full, Invalid, Incomplete };

    Result step(const char*& in, std::size_t& inLeft, char*& out, std::size_t& outLeft);
    void reset();
    // Writes the shift sequence a stateful target may need at the end.
    template <class Sink>
    void flush(Sink& sink)
    {
        char buffer[64];
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        finish(out, outLeft);
        if (out != buffer)
            sink(static_cast<const char*>(buffer), static_cast<std::size_t>(out - buffer));
    }
    void finish(char*& out, std::size_t& outLeft);

    iconv_t handle_;
};

}  // namespace qx
