# The Debian package, built with `cpack -G DEB` from the install rules.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tabulon)
set(CPACK_PACKAGE_VENDOR Quorvil)
set(CPACK_PACKAGE_CONTACT "Tabulon maintainers <maintainers@tabulon.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://tabulon.example/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "multiplication table drill against the clock")
set(CPACK_PACKAGE_DESCRIPTION [[
Tabulon asks the questions of one multiplication table, or of all tables
from 1 to 9, and offers three answers for each. A right answer brings the
next question, a wrong one costs a second. The best time of each table is
kept with the name of the player who made it.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries come from the binary; the font is looked up by name at run time.
# The GIF and platform plugins ship in libqt6gui6, which the binary links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
# The About window hands the web address to xdg-open; the closing tune needs a
# sound server (without one the game stays silent); Qt's own texts (OK,
# Cancel) in the player's language come with Qt's translations; the faces of
# the scripts the game speaks that Liberation Sans lacks (Arabic, Chinese,
# Japanese, Korean, Thai, Devanagari), and Qt's Thai word breaking.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, pulseaudio | pipewire-pulse, qt6-translations-l10n, \
fonts-dejavu-core, fonts-wqy-microhei, fonts-arphic-uming, fonts-vlgothic, fonts-nanum, fonts-tlwg-loma-ttf, \
fonts-sarai, libthai0")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Read-only relocations once loaded, as Debian builds its own programs.
target_link_options(tabulon PRIVATE LINKER:-z,relro,-z,now)

include(CPack)
