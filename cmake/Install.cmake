# What `cmake --install` puts in place for programs that use the library:
# libvantor.so and the platform library it needs (with sonames and versions),
# the public headers, and a pkg-config file so that a C program builds with
#   cc prog.c $(pkg-config --cflags --libs vantor)
include(GNUInstallDirs)

# libvantor.so finds the platform library beside itself wherever the prefix is.
set_target_properties(vantor PROPERTIES INSTALL_RPATH "$ORIGIN")

install(TARGETS vantor vantor_platform
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT development
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development)

install(FILES
  ${PROJECT_SOURCE_DIR}/include/vantor/vantor.h
  ${PROJECT_SOURCE_DIR}/include/vantor/platform.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vantor COMPONENT development)
# platform.h includes the headers of this folder.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/vantor/platform
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vantor COMPONENT development
  FILES_MATCHING PATTERN "*.h")

# The prefix is found from where the .pc file lies, so that the installed tree
# works under any --prefix and after being moved.
file(RELATIVE_PATH VANTOR_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
string(REGEX REPLACE "/$" "" VANTOR_PC_TO_PREFIX "${VANTOR_PC_TO_PREFIX}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/vantor.pc.in ${PROJECT_BINARY_DIR}/vantor.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/vantor.pc
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT development)
