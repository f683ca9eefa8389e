# The release artefacts, target `dist` (built on demand, by `make dist`): a portable zip
# and an installer of the program, named after the project's version and written to
# TIDY_DIST_DIR. Each is made again only when something that goes into it changed.
set(TIDY_DIST_DIR ${CMAKE_BINARY_DIR}/dist CACHE PATH "Where the dist target writes the zip and the installer")

set(dist_stage ${CMAKE_BINARY_DIR}/dist-stage)
set(dist_base AceTidyhawk-${PROJECT_VERSION})
set(dist_zip ${TIDY_DIST_DIR}/${dist_base}-portable.zip)
set(dist_setup ${TIDY_DIST_DIR}/${dist_base}-setup.exe)

find_program(TIDY_MAKENSIS makensis)
if(NOT TIDY_MAKENSIS)
  add_custom_target(dist
                    COMMAND ${CMAKE_COMMAND} -E echo "dist: makensis is missing (tools/bootstrap.sh --dist installs it)"
                    COMMAND ${CMAKE_COMMAND} -E false)
  return()
endif()

# The texts, with Windows line ends.
configure_file(packaging/readme.txt.in ${dist_stage}/README.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(LICENSE.txt ${dist_stage}/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)

set(dist_program_files WindowsTidyhawk.exe help.html end.wav)
set(dist_staged_program)
foreach(file IN LISTS dist_program_files)
  list(APPEND dist_staged_program ${dist_stage}/${file})
endforeach()
add_custom_command(
  OUTPUT ${dist_staged_program}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:WindowsTidyhawk>
          ${CMAKE_SOURCE_DIR}/resources/help.html ${CMAKE_SOURCE_DIR}/resources/end.wav
          ${dist_stage}
  DEPENDS WindowsTidyhawk ${CMAKE_SOURCE_DIR}/resources/help.html
          ${CMAKE_SOURCE_DIR}/resources/end.wav
  COMMENT "Staging the release files"
  VERBATIM)

# The zip holds the files flat: unpacked, the program sits beside its help and sound.
add_custom_command(
  OUTPUT ${dist_zip}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TIDY_DIST_DIR}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${dist_zip}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${dist_zip} --format=zip
          ${dist_program_files} README.txt LICENSE.txt
  WORKING_DIRECTORY ${dist_stage}
  DEPENDS ${dist_staged_program} ${dist_stage}/README.txt ${dist_stage}/LICENSE.txt
  COMMENT "Writing ${dist_base}-portable.zip"
  VERBATIM)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(dist_nsis_target amd64-unicode)
else()
  set(dist_nsis_target x86-unicode)
endif()
set(dist_nsi ${CMAKE_SOURCE_DIR}/packaging/tidyhawk.nsi)
set(dist_icon ${CMAKE_SOURCE_DIR}/resources/pictures/glyph_clean.ico)
add_custom_command(
  OUTPUT ${dist_setup}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TIDY_DIST_DIR}
  COMMAND ${TIDY_MAKENSIS} -V2 -DTARGET=${dist_nsis_target} -DVERSION=${PROJECT_VERSION}
          "-DPRODUCT=${TIDY_PRODUCT_NAME}" "-DPUBLISHER=${TIDY_PUBLISHER}"
          "-DCOPYRIGHT=${TIDY_COPYRIGHT}" -DSTAGE=${dist_stage} -DICON=${dist_icon}
          -DOUTFILE=${dist_setup} ${dist_nsi}
  DEPENDS ${dist_staged_program} ${dist_stage}/LICENSE.txt ${dist_nsi} ${dist_icon}
  COMMENT "Writing ${dist_base}-setup.exe"
  VERBATIM)

add_custom_target(dist DEPENDS ${dist_zip} ${dist_setup})
