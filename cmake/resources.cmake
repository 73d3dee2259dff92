# dab_add_resources(TARGET SCRIPT): compiles a resource script into TARGET with tools/rc-embed, so that its
# icons, cursors and strings are there for LoadIconA, LoadCursorA and LoadStringA.
function(dab_add_resources target script)
  get_filename_component(name ${script} NAME_WE)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_${name}_resources.cpp)
  get_filename_component(folder ${script} DIRECTORY)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS ${folder}/*.ico ${folder}/*.cur)
  add_custom_command(OUTPUT ${out}
                     COMMAND rc-embed ${script} ${out}
                     DEPENDS rc-embed ${script} ${files}
                     COMMENT "Compiling the resources of ${script}"
                     VERBATIM)
  target_sources(${target} PRIVATE ${out})
endfunction()
