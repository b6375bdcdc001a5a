#include "cli/CheckedOutput.h"

#include <cerrno>
#include <unistd.h>

CheckedOutput::CheckedOutput(int descriptor_) : descriptor(descriptor_)
{
    setp(buffer.data(), buffer.data() + buffer.size());
}

int CheckedOutput::Finish()
{
    Drain();
    return error;
}

int CheckedOutput::overflow(int c)
{
    if (!Drain())
        return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int CheckedOutput::sync()
{
    return Drain() ? 0 : -1;
}

bool CheckedOutput::Drain()
{
    const char* next = pbase();
    while (error == 0 && next < pptr()) {
        const ssize_t written = ::write(descriptor, next, static_cast<std::size_t>(pptr() - next));
        if (written > 0)
            next += written;
        else if (written == 0)
            error = EIO;
        else if (errno != EINTR)
            error = errno;
    }
    setp(buffer.data(), buffer.data() + buffer.size());
    return error == 0;
}
