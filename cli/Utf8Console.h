// vantrel-lookup writes its text as UTF-8 bytes, the same on a terminal, in
// a file or down a pipe, so that scripts read one encoding everywhere. A
// console that shows bytes in another code page would garble every
// character beyond ASCII of a system message; for the life of this object
// it shows them as UTF-8.
#pragma once

class Utf8Console {
public:
    Utf8Console();
    ~Utf8Console();
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;
};
