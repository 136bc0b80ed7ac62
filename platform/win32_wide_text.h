#pragma once

#include <string>
#include <string_view>

// The program holds its texts as UTF-8; Windows takes and gives them as UTF-16 through its wide
// ("W") functions. These convert at that boundary, for platform/ and app/ alone. A byte sequence
// that is not UTF-8 becomes U+FFFD, as does an unpaired surrogate the other way.
std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);
