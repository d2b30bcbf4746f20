# Installation layout and Debian package.
#
#   games/velmora                   launcher (POSIX sh), where Debian keeps its games
#   libexec/velmora/velmora         the program
#   share/velmora/{Dictionary,Images}
#   share/applications/org.velmora.Velmora.desktop
#   share/metainfo/org.velmora.Velmora.metainfo.xml
#   share/icons/hicolor/<size>/apps/org.velmora.Velmora.{png,svg}
#   share/man/man6/velmora.6.gz
#   share/doc/velmora/{copyright,changelog.gz,LICENSE,LICENSES/}
#
# The game opens Dictionary/ and Images/ relative to its working folder and never
# changes folder itself, so the program is not started directly: the launcher moves to
# the player's own folder first (see velmora.sh.in), or to share/velmora when it cannot.
# It finds the program and the shipped data from its own location, which keeps an
# installed tree relocatable (cmake --install --prefix ANY) and lets the game start from
# a terminal in any folder.

include(GNUInstallDirs)

set(VELMORA_APP_ID org.velmora.Velmora)
set(VELMORA_PACKAGING_DIR "${CMAKE_CURRENT_LIST_DIR}")
set(VELMORA_INSTALL_PROGRAMDIR "${CMAKE_INSTALL_LIBEXECDIR}/velmora")
set(VELMORA_INSTALL_DATADIR "${CMAKE_INSTALL_DATADIR}/velmora")
# Not CMAKE_INSTALL_DOCDIR: that one is named after the project, with its capital letter.
set(VELMORA_INSTALL_DOCDIR "${CMAKE_INSTALL_DATAROOTDIR}/doc/velmora")
set(VELMORA_INSTALL_GAMESDIR "games" CACHE STRING "Where the launcher is installed, under the prefix")

# Data files and their licences are of use whether or not the windows are built.
install(DIRECTORY "${PROJECT_SOURCE_DIR}/Dictionary" "${PROJECT_SOURCE_DIR}/Images"
        DESTINATION "${VELMORA_INSTALL_DATADIR}")
install(FILES "${PROJECT_SOURCE_DIR}/LICENSE" DESTINATION "${VELMORA_INSTALL_DOCDIR}")
install(DIRECTORY "${PROJECT_SOURCE_DIR}/LICENSES/" DESTINATION "${VELMORA_INSTALL_DOCDIR}/LICENSES")
install(FILES "${VELMORA_PACKAGING_DIR}/debian/copyright" DESTINATION "${VELMORA_INSTALL_DOCDIR}")

if(NOT TARGET velmora)
  message(STATUS "Velmora packaging: no 'velmora' program target, so only data files are installed")
  return()
endif()

# --- Program and launcher ---------------------------------------------------------------

install(TARGETS velmora RUNTIME DESTINATION "${VELMORA_INSTALL_PROGRAMDIR}")

# Relative paths from the launcher's folder to the program and to the data. With the usual
# relative install directories they do not depend on the prefix.
set(velmora_gamesdir "${VELMORA_INSTALL_GAMESDIR}")
if(NOT IS_ABSOLUTE "${velmora_gamesdir}")
  set(velmora_gamesdir "${CMAKE_INSTALL_PREFIX}/${velmora_gamesdir}")
endif()
file(RELATIVE_PATH VELMORA_BIN_TO_PROGRAM "${velmora_gamesdir}"
     "${CMAKE_INSTALL_FULL_LIBEXECDIR}/velmora/velmora")
file(RELATIVE_PATH VELMORA_BIN_TO_DATA "${velmora_gamesdir}"
     "${CMAKE_INSTALL_FULL_DATADIR}/velmora")
configure_file("${VELMORA_PACKAGING_DIR}/velmora.sh.in"
               "${PROJECT_BINARY_DIR}/packaging/launcher/velmora" @ONLY)
install(PROGRAMS "${PROJECT_BINARY_DIR}/packaging/launcher/velmora"
        DESTINATION "${VELMORA_INSTALL_GAMESDIR}")

# --- Files that name installed paths, and compressed documents ----------------------------

# The desktop entry, the manual page and the changelog are made when the tree is installed:
# only then is the prefix known (cmake --install --prefix, or /usr when CPack stages the
# package). Debian wants manual pages and changelogs compressed with gzip -9n.
find_program(VELMORA_GZIP gzip REQUIRED)
set(VELMORA_GENERATED_DIR "${PROJECT_BINARY_DIR}/packaging/install")
configure_file("${VELMORA_PACKAGING_DIR}/InstallGenerated.cmake.in"
               "${PROJECT_BINARY_DIR}/packaging/InstallGenerated.cmake" @ONLY)
install(SCRIPT "${PROJECT_BINARY_DIR}/packaging/InstallGenerated.cmake")
install(FILES "${VELMORA_GENERATED_DIR}/${VELMORA_APP_ID}.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${VELMORA_GENERATED_DIR}/velmora.6.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man6")
install(FILES "${VELMORA_GENERATED_DIR}/changelog.gz" DESTINATION "${VELMORA_INSTALL_DOCDIR}")

# --- Desktop integration ----------------------------------------------------------------

install(FILES "${VELMORA_PACKAGING_DIR}/${VELMORA_APP_ID}.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")

foreach(side IN ITEMS 16 32 48 64 128 256)
  install(FILES "${PROJECT_SOURCE_DIR}/data/icons/velmora-${side}.png"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${side}x${side}/apps"
          RENAME "${VELMORA_APP_ID}.png")
endforeach()
install(FILES "${PROJECT_SOURCE_DIR}/data/icons/velmora.svg"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps"
        RENAME "${VELMORA_APP_ID}.svg")

# The metainfo lists the releases by hand: a version bump must add one.
file(READ "${VELMORA_PACKAGING_DIR}/${VELMORA_APP_ID}.metainfo.xml" velmora_metainfo)
if(NOT velmora_metainfo MATCHES "<release version=\"${PROJECT_VERSION}\"")
  message(WARNING "${VELMORA_APP_ID}.metainfo.xml has no <release> for version ${PROJECT_VERSION}")
endif()

# --- Debian package (cpack -G DEB) ------------------------------------------------------

# Values reach CPackConfig.cmake exactly as written here (regexes, line breaks).
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "velmora")
set(CPACK_PACKAGE_VENDOR "The Velmora developers")
set(CPACK_PACKAGE_CONTACT "The Velmora developers <dev@velmora.example.org>")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "word-guessing game")
# One string with line breaks: CPack indents the lines into the control file's extended
# description. No semicolons, which CMake would take for list separators.
set(CPACK_PACKAGE_DESCRIPTION "\
Velmora picks a secret English word or phrase and shows a blank for each
letter. Guess one letter at a time: hits are revealed in place, misses
build up a snowman, and ten misses lose the round. The secret can be of
any length from 2 to 15 letters, longer than that, or of a random length,
drawn from a dictionary of 170,000 words and phrases. Players can add
word lists of their own in a folder of their own, and load them by name.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://velmora.example.org")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_NAME "velmora")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # velmora_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${CPACK_PACKAGE_HOMEPAGE_URL}")
# Library dependencies are read from the program by dpkg-shlibdeps (package dpkg-dev).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The word lists make up most of the package; xz keeps it small.
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# What dpkg-shlibdeps cannot see, because nothing links to it:
#  - fonts-liberation2: the windows ask for "Liberation Sans" by name and are laid out
#    for its metrics; without it fontconfig substitutes a font of other widths.
#  - Not qt6-qpa-plugins: on Debian 12 the X11 (xcb) platform plugin ships in libqt6gui6
#    itself, which shlibdeps already requires; qt6-qpa-plugins only adds the VNC and
#    TUIO plugins. Were the game ever built on a Qt whose packaging moves xcb out of
#    libqt6gui6, that plugin's package would have to be added here.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
# Fonts for every script a dictionary may hold: without them Chinese, Japanese, Hindi, Thai and
# emoji entries show as empty boxes.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-core, fonts-noto-cjk, fonts-noto-color-emoji")

# Source archive (cpack --config CPackSourceConfig.cmake): the tree without VCS data or
# build folders.
string(REGEX REPLACE "([][+.*()^$?|\\\\])" "\\\\\\1" velmora_source_re "${PROJECT_SOURCE_DIR}")
set(CPACK_SOURCE_GENERATOR "TXZ")
set(CPACK_SOURCE_PACKAGE_FILE_NAME "velmora-${PROJECT_VERSION}")
set(CPACK_PROJECT_CONFIG_FILE "${VELMORA_PACKAGING_DIR}/CPackProjectConfig.cmake")
set(CPACK_SOURCE_IGNORE_FILES
    "^${velmora_source_re}/\\.git/"
    "^${velmora_source_re}/build[^/]*/"
    "^${velmora_source_re}/out/"
    "\\.user$")

include(CPack)
