// SPDX-License-Identifier: GPL-3.0-or-later
#include "cp932.h"

#include <iconv.h>

namespace plume1to3 {

std::optional<QString> decodeCp932(const QByteArray& bytes) {
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;

    // One CP932 byte never becomes more than three UTF-8 bytes.
    QByteArray in = bytes;
    QByteArray out(in.size() * 3, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    size_t inLeft = in.size();
    size_t outLeft = out.size();
    const size_t converted = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (converted == static_cast<size_t>(-1) || inLeft != 0) return std::nullopt;

    out.truncate(outPtr - out.data());
    return QString::fromUtf8(out);
}

}  // namespace plume1to3
