# The Debian package korvane_<version>_<arch>.deb, built by ./scripts/package with CPack.
#
# It holds what `cmake --install` installs (both programs, the text module, the help file,
# the desktop integration and the manual pages) under /usr, stripped, plus the copyright file
# and changelog Debian asks of every package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvane)
set(CPACK_PACKAGE_VENDOR "The Korvane developers")
set(CPACK_PACKAGE_CONTACT "The Korvane developers <korvane@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs are linked with, as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Build > Preview compiles the designed window with javac and shows it with java.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "default-jdk | java-sdk")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Java user interface designer")
# The extended description, below the summary line that CPack puts first.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "\
Korvane is a desktop program for Java developers who want to draw a user
interface instead of typing it. AWT and Swing components are placed on a
grid with the mouse, named and given their values, events and tab order,
and saved as a design. From the design Korvane generates the Java source
of the window: one class extending Applet, Frame, Dialog, Panel, JApplet,
JFrame, JDialog or JPanel, with its fields, construction, layout and
listener stubs. Build > Preview compiles and runs it with the JDK.

korvane-gen lists, converts, renders and generates Java from designs
without a screen, for builds and scripts.")

set(docs ${CMAKE_INSTALL_DATADIR}/doc/korvane)
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright DESTINATION ${docs})
set(changelog ${PROJECT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${changelog}
  COMMAND gzip -9 -n -c ${PROJECT_SOURCE_DIR}/data/debian/changelog > ${changelog}
  DEPENDS ${PROJECT_SOURCE_DIR}/data/debian/changelog)
add_custom_target(korvane_changelog ALL DEPENDS ${changelog})
install(FILES ${changelog} DESTINATION ${docs})

include(CPack)
