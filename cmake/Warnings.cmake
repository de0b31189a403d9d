# SPDX-FileCopyrightText: 2026 Kiravelo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Our own code builds warning-free; generated and third-party code is not held to it.
function(kiravelo_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
        -Wno-missing-field-initializers -Wnon-virtual-dtor -Wcast-align -Woverloaded-virtual
        -Werror)
endfunction()
