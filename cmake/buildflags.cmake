# The hardening flags Debian builds its packages with, taken from dpkg-buildflags for the optimised
# builds the package is made from; the sanitizer and fuzz builds keep their own.
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(DPKG_BUILDFLAGS AND CMAKE_BUILD_TYPE MATCHES "^(RelWithDebInfo|Release)$"
   AND NOT CMAKE_CXX_FLAGS MATCHES "-fsanitize")
  foreach(kind CXXFLAGS CPPFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
              ${DPKG_BUILDFLAGS} --get ${kind}
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
      OUTPUT_VARIABLE DEB_${kind} OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(DEB_${kind} UNIX_COMMAND "${DEB_${kind}}")
  endforeach()
  add_compile_options(${DEB_CXXFLAGS} ${DEB_CPPFLAGS})
  add_link_options(${DEB_LDFLAGS})
endif()
