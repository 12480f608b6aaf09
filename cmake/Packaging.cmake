# The Debian package, made by `cpack -G DEB` (the Makefile's `package` target).
# Its dependencies come from the shared libraries the programs link; the menu
# and the MIME database are refreshed by the desktop's own dpkg triggers, so the
# package carries no maintainer scripts.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quizwell)
set(CPACK_PACKAGE_VENDOR "Quizwell")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Quizwell developers <developers@quizwell.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "maker of multiple-choice self-tests for instructors")
set(CPACK_PACKAGE_DESCRIPTION
    "Quizwell Maker is the instructor's tool for multiple-choice self-tests: a\n\
catalogue of tests, a question editor for up to 500 questions with six answers\n\
each, test settings with begin and end messages, and plain-text conversions.\n\
The package also carries the student engine qwtest and the command-line tool\n\
qwtool, which lists, shows, converts and checks tests without a window.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The editor underlines misspelt words with the system's dictionaries; without
# one it says so once and goes on, so a dictionary is recommended, not needed.
# The programs carry their own translations; Qt's dialogs and buttons speak
# the desktop's language with Qt's, and English without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hunspell-en-us | hunspell-dictionary, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.quizwell.org/")
include(CPack)
