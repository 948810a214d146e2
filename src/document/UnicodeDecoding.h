#pragma once

#include <string>
#include <string_view>

namespace Lecterna {

class UnicodeToCodePage;

// Unicode books turned into the 8-bit text the reader works with, in the code page of `to`.
// Both decoders take any bytes: nothing is an error, and the result is never shorter than the
// characters that could be read.

// 16-bit little-endian text: a leading byte-order mark FF FE is skipped, an odd last byte is
// dropped, every code unit becomes its byte (or near form) in the code page. A surrogate pair
// becomes one default character; a lone surrogate too.
std::string decodeUtf16Le(std::string_view bytes, UnicodeToCodePage& to);

// UTF-8 text. Sequences of one to three bytes are decoded. A four-byte sequence (a character
// beyond the 16-bit range) gives one default character; so does every ill-formed sequence
// (a stray continuation byte, a lead byte without its continuation bytes, an overlong form, an
// encoded surrogate), after which decoding goes on with the next byte that can start a character.
std::string decodeUtf8(std::string_view bytes, UnicodeToCodePage& to);

} // namespace Lecterna
