// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the parser behind 読み込み…: a colleague's file is untrusted.
// Any input either names a line and a reason, or parses into contents that survive
// being written and read again unchanged.
#include "LibraryExchange.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    LibraryExchange::Fault fault;
    const auto contents = LibraryExchange::Parse(bytes, &fault);
    if (!contents) {
        if (fault.line < 1 || fault.line > bytes.count('\n') + 1 || fault.reason.isEmpty())
            std::abort();
        return 0;
    }
    const auto again = LibraryExchange::Parse(LibraryExchange::Write(*contents), &fault);
    if (!again || *again != *contents)
        std::abort();
    return 0;
}
