# The version resource of a Windows program: TEMPLATE (a .rc.in with @PROJECT_VERSION...@ and
# the like) filled from project(... VERSION) and compiled by windres into an object file of its
# own, added to TARGET.
function(add_version_resource target template)
  get_filename_component(name ${template} NAME_WE)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${name}.rc)
  set(object ${CMAKE_CURRENT_BINARY_DIR}/${name}_version.o)
  configure_file(${template} ${rc} @ONLY)
  add_custom_command(
    OUTPUT ${object}
    COMMAND ${CMAKE_RC_COMPILER} --codepage=65001 -O coff -i ${rc} -o ${object}
    DEPENDS ${rc}
    VERBATIM)
  target_sources(${target} PRIVATE ${object})
endfunction()
