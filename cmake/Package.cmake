# SPDX-FileCopyrightText: 2026 Kiravelo contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# `make package`: build/kiravelo_<version>_amd64.deb, holding under /usr what
# `cmake --install` installs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kiravelo)
set(CPACK_PACKAGE_VENDOR "Kiravelo contributors")
set(CPACK_PACKAGE_CONTACT ${KIRAVELO_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
# The name DEB-DEFAULT gives it, for the tests that check it.
set(KIRAVELO_PACKAGE_FILE
    ${CMAKE_BINARY_DIR}/kiravelo_${PROJECT_VERSION}_${CPACK_DEBIAN_PACKAGE_ARCHITECTURE}.deb)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KIRAVELO_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries: the interface's Japanese font, the Mincho the desk sets its
# PDFs, prints and 原稿用紙 view in (the sample PDFs embed theirs), xdg-open, through which
# the program hands its PDFs to the desktop's viewer, and Qt's SQLite driver (a plugin,
# which dpkg-shlibdeps cannot see) for the user's library.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-ipafont-gothic, fonts-ipafont-mincho, xdg-utils, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "evince | pdf-viewer")
# Typing Japanese needs an input method with a Qt 6 front end: ibus brings its own,
# fcitx5 needs this one.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "fcitx5-frontend-qt6")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "model sentences for Japanese university admission papers")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "KiraveloVer2 helps teachers and students in Japan write the papers of a\n"
    "recommendation-based university application (推薦入試): the school's letter\n"
    "of recommendation, the reasons for applying, appraisals of a student's\n"
    "academic record, character and activities, and the applicant's own\n"
    "self-recommendation.\n"
    "\n"
    "Pick a faculty and field of study, or tick the points to write about, and\n"
    "the program lists every model sentence filed under them, two at a time and\n"
    "ready to copy. Every sentence also comes as a typeset PDF for printing.\n"
    "\n"
    "The samples are CC0-1.0: anyone may copy them into their own papers without\n"
    "asking or citing.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
